#include "app/frmPreview.h"

#include <commctrl.h>
#include <commdlg.h>

#include "app/ListViews.h"
#include "app/frmPreviewIds.h"
#include "files/FileSystem.h"

namespace {

void AddRow(HWND list, int row, const std::string& name, const std::string& found,
            const std::string& size) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(name.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const std::string* columns[] = {&found, &size};
    for (int c = 0; c < 2; ++c) {
        item.iSubItem = c + 1;
        item.pszText = const_cast<char*>(columns[c]->c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
}

std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

// The common save dialog; "" when the user cancels.
std::string AskSavePath(HWND owner) {
    wchar_t path[MAX_PATH] = L"Preview.txt";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return "";
    return Utf8(path);
}

}  // namespace

frmPreview::frmPreview(Preview preview, NumberFormats formats)
    : Dialog(IDD_FRMPREVIEW), preview_(std::move(preview)), formats_(formats) {}

std::string frmPreview::Text() const {
    return PreviewText(preview_.rows, preview_.start, preview_.end, formats_);
}

void frmPreview::OnInit() {
    HWND list = Item(IDC_LVWFOUND);
    // A text too long for its column shows whole in a tip.
    const LPARAM styles = LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
    RECT client{};
    GetClientRect(list, &client);
    const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    AddColumn(list, 0, "Item", width * 26 / 100);
    AddColumn(list, 1, "Found", width * 61 / 100);
    AddColumn(list, 2, "Size", width - width * 26 / 100 - width * 61 / 100);
    FillRows();
    SetFocus(list);
}

void frmPreview::FillRows() {
    HWND list = Item(IDC_LVWFOUND);
    int row = 0;
    for (const PreviewRow& each : preview_.rows) {
        AddRow(list, row++, each.name, FoundText(each.findings, formats_),
               SizeText(each.findings, formats_));
    }
    const Findings total = TotalOf(preview_.rows);
    AddRow(list, row, "Total", FoundText(total, formats_), SizeText(total, formats_));
    LVITEMA first{};
    first.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
    ShowDetails(0);
}

int frmPreview::SelectedRow() const {
    return static_cast<int>(
        SendMessageA(Item(IDC_LVWFOUND), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The Total row has no details of its own.
void frmPreview::ShowDetails(int row) {
    HWND details = Item(IDC_LSTDETAILS);
    SendMessageA(details, LB_RESETCONTENT, 0, 0);
    if (row < 0 || row >= static_cast<int>(preview_.rows.size())) return;
    HDC dc = GetDC(details);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(details, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& line : DetailLines(preview_.rows[row].findings, formats_)) {
        SendMessageA(details, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        SIZE size{};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        if (size.cx > widest) widest = size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(details, dc);
    SendMessageA(details, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

void frmPreview::lvwFound_ItemClick() { ShowDetails(SelectedRow()); }

void frmPreview::cmdCleanNow_Click() {
    cleanNow_ = true;
    Unload();
}

void frmPreview::cmdSaveAs_Click() {
    const std::string path = AskSavePath(Handle());
    if (path.empty()) return;
    ReplaceFileText(path, Text());
}

void frmPreview::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDOK:  // Enter: on the list, the selected row's details
            if (GetFocus() == Item(IDC_LVWFOUND)) {
                lvwFound_ItemClick();
                SetFocus(Item(IDC_LSTDETAILS));
            }
            break;
        case IDC_CMDCLEANNOW:
            cmdCleanNow_Click();
            break;
        case IDC_CMDSAVEAS:
            cmdSaveAs_Click();
            break;
        case IDCANCEL:
            Unload();
            break;
        default:
            break;
    }
}

bool frmPreview::OnMessage(UINT msg, WPARAM, LPARAM l, INT_PTR&) {
    if (msg != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(l);
    if (header->idFrom != IDC_LVWFOUND) return false;
    if (header->code == NM_RETURN) {  // Enter that reached the list itself
        lvwFound_ItemClick();
        SetFocus(Item(IDC_LSTDETAILS));
        return false;
    }
    if (header->code != LVN_ITEMCHANGED) return false;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(l);
    if ((change->uNewState & LVIS_SELECTED) != 0) ShowDetails(change->iItem);
    return false;
}
