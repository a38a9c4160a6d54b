// The link labels of the main window: their clicks and the hover underline. The mouse's
// position is learnt from WM_SETCURSOR, which every control passes to the window first. The
// link to the Other Browsers page also takes the keyboard: Tab reaches it, it is underlined
// while it has the focus, and Enter clicks it.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "app/frmMain.h"
#include "app/frmMainIds.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "platform/UiServices.h"

namespace {

// The frame of each page.
constexpr int kFrames[] = {IDC_FRAITEMS, IDC_FRAINTERNET, IDC_FRAROTA, IDC_FRANORMAL,
                           IDC_FRABROWSERS};

bool IsGuide(int id) { return id >= IDC_LBLGUIDE0 && id <= IDC_LBLGUIDE4; }

// Tells the window when a keyboard link gains or loses the focus; a static control tells
// nobody by itself.
LRESULT CALLBACK KeyboardLinkProcedure(HWND link, UINT msg, WPARAM w, LPARAM l, UINT_PTR,
                                       DWORD_PTR window) {
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) {
        reinterpret_cast<frmMain*>(window)->Link_Focus(GetDlgCtrlID(link), msg == WM_SETFOCUS);
    }
    return DefSubclassProc(link, msg, w, l);
}

bool IsFrame(int id) {
    return std::find(std::begin(kFrames), std::end(kFrames), id) != std::end(kFrames);
}

}  // namespace

// The user guide opens in the default browser. Its path is quoted, so that a program folder
// with blanks (such as "C:\Program Files\Brisvane") reaches the browser as one argument.
void frmMain::lblGuide_Click(int /*index*/) {
    std::string quoted(1, '"');
    quoted += ProgramFolder();
    quoted += "\\UserGuide\\BrisvaneUserGuide.htm\"";
    StartBrowser(quoted);
}

// The maker's web page, whose address the label shows.
void frmMain::lblWeb2_Click() { StartBrowser(ItemText(IDC_LBLWEB2)); }

// Starts the browser command with the arguments in a normal window with the focus and does
// not wait for it; a browser that cannot be started is told to the user.
void frmMain::StartBrowser(const std::string& arguments) {
    const std::string commandLine = browserCommand_ + " " + arguments;
    try {
        StartProgram(commandLine);
    } catch (const AppError& failure) {
        Ui().ShowMessage("The web browser could not be started:\r\n" + commandLine + "\r\n\r\n" +
                             failure.Description(),
                         MB_OK | MB_ICONEXCLAMATION);
    }
}

void frmMain::SetUpKeyboardLink(int id) {
    SetWindowSubclass(Item(id), KeyboardLinkProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

void frmMain::Link_Focus(int id, bool focused) { links_.SetUnderline(id, focused); }

// The mouse has left the link to the Other Browsers page: it stays underlined while it has
// the keyboard's focus.
void frmMain::OtherBrowserLink_MouseAway() {
    links_.SetUnderline(IDC_LBLOTHERBROWSER, GetFocus() == Item(IDC_LBLOTHERBROWSER));
}

void frmMain::lblGuide_MouseMove(int index) { links_.SetUnderline(IDC_LBLGUIDE0 + index, true); }

void frmMain::lblWeb2_MouseMove() { links_.SetUnderline(IDC_LBLWEB2, true); }

void frmMain::Frame_MouseMove(int page) {
    links_.SetUnderline(IDC_LBLGUIDE0 + page, false);
    if (page == 3) links_.SetUnderline(IDC_LBLWEB2, false);
    if (page == 1) OtherBrowserLink_MouseAway();
}

void frmMain::Form_MouseMove() {
    for (int id = IDC_LBLGUIDE0; id <= IDC_LBLGUIDE4; ++id) links_.SetUnderline(id, false);
    links_.SetUnderline(IDC_LBLWEB2, false);
    OtherBrowserLink_MouseAway();
}

// Applies the hover rules for the mouse over `target` at a point of the window's client area.
// Frames and the tab control's page area let the mouse through to the window itself, so the
// window decides by position whether the mouse is on a frame or on its own surface.
void frmMain::MouseMoveOver(HWND target, POINT clientPoint) {
    int id = target == Handle() ? 0 : GetDlgCtrlID(target);
    if (IsGuide(id)) return lblGuide_MouseMove(id - IDC_LBLGUIDE0);
    if (id == IDC_LBLWEB2) return lblWeb2_MouseMove();
    if (id == IDC_LBLOTHERBROWSER) return links_.SetUnderline(id, true);
    if (target != Handle() && !IsFrame(id)) return;  // another control: nothing changes
    for (int page = 0; page < static_cast<int>(std::size(kFrames)); ++page) {
        HWND frame = Item(kFrames[page]);
        RECT rect;
        GetWindowRect(frame, &rect);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        if (IsWindowVisible(frame) && PtInRect(&rect, clientPoint)) return Frame_MouseMove(page);
    }
    RECT tab;
    GetWindowRect(Item(IDC_TABMAIN), &tab);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&tab), 2);
    if (!PtInRect(&tab, clientPoint)) Form_MouseMove();
}

bool frmMain::OnSetCursor(HWND target, UINT hitTest, UINT mouseMessage) {
    if (hitTest != HTCLIENT) return false;
    if (mouseMessage == WM_MOUSEMOVE) {
        POINT at;
        GetCursorPos(&at);
        ScreenToClient(Handle(), &at);
        MouseMoveOver(target, at);
    }
    if (!links_.IsLink(GetDlgCtrlID(target)) || links_.HandPointer() == nullptr) return false;
    SetCursor(links_.HandPointer());
    return true;
}
