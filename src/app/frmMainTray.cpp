// The tray icon and hiding: Hide, Open (with the logon while protected), Clean Now and Shut
// Down from the tray menu popMain.
#include "app/frmMain.h"
#include "app/frmMainIds.h"

void frmMain::SetUpTray() {
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    trayMenu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_POPMAIN));
    tray_.SetOwner(Handle());
    tray_.Settrayicon(bigIcon_);
    tray_.Settraytip("Brisvane");
    tray_.OnMouseUp = [this](int button) { SysTray_MouseUp(button); };
    tray_.OnOpen = [this] { popOpen_Click(); };
}

void frmMain::cmdHide_Click() { ShowWindow(Handle(), SW_HIDE); }

void frmMain::popOpen_Click() {
    if (settings_->PasswordProtected() != kFalse) {
        logon_.ShowModal(Handle());
        if (!logon_.Success()) return;
    }
    SelectPage(0);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

// The right button pops the tray menu up at the mouse; other buttons do nothing.
void frmMain::SysTray_MouseUp(int button) {
    if (button != 2 || trayMenu_ == nullptr) return;
    POINT at;
    GetCursorPos(&at);
    // The menu closes properly when the user clicks elsewhere only if the window owning it is
    // in the foreground.
    SetForegroundWindow(Handle());
    TrackPopupMenu(GetSubMenu(trayMenu_, 0), 0, at.x, at.y, 0, Handle(), nullptr);
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

void frmMain::OnTrayMenuCommand(int id) {
    switch (id) {
        case IDM_POPOPEN:
            popOpen_Click();
            break;
        case IDM_POPCLEAN:
            popClean_Click();
            break;
        case IDM_POPEXIT:
            popExit_Click();
            break;
        default:
            break;
    }
}
