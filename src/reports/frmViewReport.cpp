#include "reports/frmViewReport.h"

#include "files/TextStream.h"
#include "reports/frmReportsIds.h"

frmViewReport::frmViewReport() : Dialog(IDD_FRMVIEWREPORT) {}

void frmViewReport::ShowReport(const std::string& path) {
    TextStream stream = OpenTextFile(path, IOMode::ForReading);
    text_ = stream.ReadAll();
    stream.Close();
}

void frmViewReport::OnInit() {
    HWND box = Item(IDC_VIEWREPORT_TXTREPORT);
    SendMessageA(box, EM_SETLIMITTEXT, 0, 0);  // no length limit for long reports
    SetWindowTextA(box, text_.c_str());
    // The dialog gives the text box the focus, which selects all its text; the report opens
    // unselected, at its top.
    PostMessageA(box, EM_SETSEL, 0, 0);
}

void frmViewReport::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDC_VIEWREPORT_CMDCLOSE || id == IDCANCEL) Unload();
}
