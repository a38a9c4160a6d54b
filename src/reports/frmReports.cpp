#include "reports/frmReports.h"

#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "platform/UiServices.h"
#include "reports/ReportList.h"
#include "reports/frmReportsIds.h"

namespace {

// Restores the default mouse pointer when a long operation ends, however it ends.
class HourglassPointer {
  public:
    HourglassPointer() { Ui().SetMousePointer(MousePointer::Hourglass); }
    ~HourglassPointer() { Ui().SetMousePointer(MousePointer::Default); }
};

std::string ReportsFolder() { return ProgramFolder() + "\\Reports"; }

bool Confirm(const std::string& question) {
    return Ui().ShowMessage(question, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

}  // namespace

frmReports::frmReports() : Dialog(IDD_FRMREPORTS) {}

frmReports::~frmReports() = default;

void frmReports::OnInit() { LoadReportList(); }

void frmReports::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDC_REPORTS_CMDVIEW:
            cmdView_Click();
            break;
        case IDC_REPORTS_CMDDELETE:
            cmdDelete_Click();
            break;
        case IDC_REPORTS_CMDDELETEALL:
            cmdDeleteAll_Click();
            break;
        case IDC_REPORTS_CMDCLOSE:
        case IDCANCEL:
            Unload();
            break;
        default:
            break;
    }
}

void frmReports::LoadReportList() {
    HourglassPointer pointer;
    reportsFolder_ = ReportsFolder();
    if (!FolderExists(reportsFolder_)) CreateFolder(reportsFolder_);
    FillList();
}

void frmReports::FillList() {
    HWND list = Item(IDC_REPORTS_LSTREPORTS);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    fileNames_.clear();
    for (const File& file : GetFolder(reportsFolder_).Files()) {
        fileNames_.push_back(file.Name());
        std::string entry = ReportEntryName(fileNames_.back());
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    if (fileNames_.empty()) {
        EnableButtons(false);
        return;
    }
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    EnableButtons(true);
}

void frmReports::EnableButtons(bool enable) {
    EnableWindow(Item(IDC_REPORTS_CMDDELETE), enable);
    EnableWindow(Item(IDC_REPORTS_CMDDELETEALL), enable);
    EnableWindow(Item(IDC_REPORTS_CMDVIEW), enable);
}

std::string frmReports::SelectedFile() const {
    LRESULT index = SendMessageA(Item(IDC_REPORTS_LSTREPORTS), LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= fileNames_.size()) return "";
    return fileNames_[static_cast<std::size_t>(index)];
}

void frmReports::cmdView_Click() {
    std::string file = SelectedFile();
    if (file.empty()) return;
    viewer_.ShowReport(reportsFolder_ + "\\" + file);
    viewer_.ShowModal(Handle());
}

void frmReports::cmdDelete_Click() {
    std::string file = SelectedFile();
    if (file.empty()) return;
    if (!Confirm("Delete this Report, are you sure?")) return;
    try {
        RemoveFile(reportsFolder_ + "\\" + file, false);
    } catch (const AppError&) {
        LoadReportList();
        throw;  // told to the user at the window's boundary
    }
    LoadReportList();
}

void frmReports::cmdDeleteAll_Click() {
    if (!Confirm("Delete ALL Reports, are you sure?")) return;
    std::string failures;
    {
        HourglassPointer pointer;
        for (const File& file : GetFolder(reportsFolder_).Files()) {
            if (!IsDeletedByDeleteAll(file.Name())) continue;
            try {
                file.Delete(false);
            } catch (const AppError& error) {
                failures += "\r\n" + file.Name() + ": " + error.Description();
            }
        }
        LoadReportList();
    }
    if (!failures.empty()) {
        Ui().ShowMessage("These reports could not be deleted:" + failures,
                         MB_OK | MB_ICONEXCLAMATION);
    }
}
