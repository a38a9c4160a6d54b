// Reading and working a dialog's controls as a user would, for in-process window tests and for
// the end-to-end driver alike: every call goes through window messages, so it works on a
// dialog of this process or of the program under test.
#pragma once

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <string>
#include <vector>

inline std::string TextOf(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    int length = static_cast<int>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = static_cast<int>(
        SendMessageA(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

inline bool IsChecked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
inline bool IsEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}
inline bool IsShown(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

// A click that the dialog handles once its message loop runs (also inside a modal loop).
inline void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
// A click whose handler has run when the call returns.
inline void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
inline void PressKey(HWND dialog, int id, WPARAM key) {
    PostMessageA(GetDlgItem(dialog, id), WM_KEYDOWN, key, 0);
}
inline void CloseBox(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }
inline void TypeText(HWND dialog, int id, const std::string& text) {
    SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The entries of a list box or of a combo box's list, in the order it shows them.
inline std::vector<std::string> ListEntries(HWND dialog, int id) {
    char kind[32] = {};
    GetClassNameA(GetDlgItem(dialog, id), kind, sizeof kind);
    const bool combo = lstrcmpiA(kind, "ComboBox") == 0;
    const UINT getCount = combo ? CB_GETCOUNT : LB_GETCOUNT;
    const UINT getLength = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT getText = combo ? CB_GETLBTEXT : LB_GETTEXT;
    std::vector<std::string> entries;
    int count = static_cast<int>(SendDlgItemMessageA(dialog, id, getCount, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendDlgItemMessageA(dialog, id, getLength, i, 0));
        std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
        SendDlgItemMessageA(dialog, id, getText, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        entries.push_back(text);
    }
    return entries;
}
inline int ListSelection(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
}
inline void SelectEntry(HWND dialog, int id, int index) {
    SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

inline int SelectedTab(HWND dialog, int tabId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, tabId, TCM_GETCURSEL, 0, 0));
}

// The rows of a report-view list as "<column 0>|<column 1>|...|<check>", where <check> is
// "x" for a ticked check box, "-" for an unticked one and "" for none. The text is read through
// a pointer in the message, so this works on a list of this process only.
inline std::vector<std::string> ListViewRows(HWND dialog, int id, int columns) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> rows;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            char text[260] = {};
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
            line += std::string(text) + "|";
        }
        auto image = SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >> 12;
        rows.push_back(line + (image == 2 ? "x" : image == 1 ? "-" : ""));
    }
    return rows;
}
// Ticks or clears the check box of a row as a click on it would (this process only).
inline void SetListViewCheck(HWND dialog, int id, int row, bool ticked) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
    SendDlgItemMessageA(dialog, id, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The same rows as ListViewRows (without the check column) of a list in another process: the
// item and its text buffer are placed in that process's memory for each call.
inline std::vector<std::string> OtherProcessListViewRows(HWND dialog, int id, int columns) {
    HWND list = GetDlgItem(dialog, id);
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    std::vector<std::string> rows;
    if (process == nullptr) return rows;
    constexpr SIZE_T kText = 1024;
    char* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kText, MEM_COMMIT, PAGE_READWRITE));
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; remote != nullptr && row < count; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = remote + sizeof(LVITEMA);
            item.cchTextMax = kText;
            WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
            char text[kText] = {};
            ReadProcessMemory(process, remote + sizeof(LVITEMA), text, kText - 1, nullptr);
            if (column != 0) line += "|";
            line += text;
        }
        rows.push_back(line);
    }
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rows;
}
