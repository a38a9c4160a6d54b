// The link labels of the main window: their clicks and the hover underline. The mouse's
// position is learnt from WM_SETCURSOR, which every control passes to the window first.
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

void frmMain::lblGuide_MouseMove(int index) { links_.SetUnderline(IDC_LBLGUIDE0 + index, true); }

void frmMain::lblWeb2_MouseMove() { links_.SetUnderline(IDC_LBLWEB2, true); }

void frmMain::Frame_MouseMove(int page) {
    links_.SetUnderline(IDC_LBLGUIDE0 + page, false);
    if (page == 3) links_.SetUnderline(IDC_LBLWEB2, false);
}

void frmMain::Form_MouseMove() {
    for (int id = IDC_LBLGUIDE0; id <= IDC_LBLGUIDE4; ++id) links_.SetUnderline(id, false);
    links_.SetUnderline(IDC_LBLWEB2, false);
}

// Applies the hover rules for the mouse over `target` at a point of the window's client area.
// Frames and the tab control's page area let the mouse through to the window itself, so the
// window decides by position whether the mouse is on a frame or on its own surface.
void frmMain::MouseMoveOver(HWND target, POINT clientPoint) {
    int id = target == Handle() ? 0 : GetDlgCtrlID(target);
    if (IsGuide(id)) return lblGuide_MouseMove(id - IDC_LBLGUIDE0);
    if (id == IDC_LBLWEB2) return lblWeb2_MouseMove();
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
