// Hiding, the tray icon and its menu, the logon at start-up and at Open, and the link labels'
// hover rules, on the real main window.
#include "MainWindowTesting.h"
#include "ModalScript.h"
#include "RegistryOverride.h"
#include "app/cSysTray.h"
#include "settings/frmLogonIds.h"

namespace {

constexpr const char* kLogon = "Logon to Brisvane";

void StoreProtection(const std::string& password) {
    StoreAllFlags("False");
    Store("PasswordProtected", "True");
    Store("BrisvanePassword", password);
}

void TrayNotify(frmMain& window, UINT mouseMessage) {
    SendMessageA(window.Handle(), cSysTray::kCallbackMessage, 1, mouseMessage);
}

void Logon(ModalScript& script, const std::string& typed) {
    script.Then(kLogon, [typed](HWND logon) {
        TypeText(logon, IDC_TXTPASSWORD, typed);
        Click(logon, IDC_LOGON_CMDOK);
    });
}

void CancelLogon(ModalScript& script) {
    script.Then(kLogon, [](HWND logon) { Click(logon, IDC_LOGON_CMDCANCEL); });
}

POINT CentreOf(HWND window, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(window, &p);
    return p;
}

}  // namespace

using frmMainTray = MainWindowTest;

TEST_F(frmMainTray, IconIsAddedAtTheEndOfLoadingAndGoesWithTheWindow) {
    window.Start();
    EXPECT_TRUE(window.SysTray().intray());
    EXPECT_TRUE(window.SysTray().Shown());
    EXPECT_EQ(window.SysTray().traytip(), "Brisvane");
    EXPECT_NE(window.SysTray().trayicon(), nullptr);
    ASSERT_TRUE(window.RequestClose());
    EXPECT_FALSE(window.SysTray().Shown());
}

TEST_F(frmMainTray, ShellRestartPutsTheIconBack) {
    window.Start();
    NOTIFYICONDATAA gone{};
    gone.cbSize = NOTIFYICONDATAA_V2_SIZE;
    gone.hWnd = window.Handle();
    gone.uID = 1;
    Shell_NotifyIconA(NIM_DELETE, &gone);  // the shell lost its icons
    SendMessageA(window.Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(window.SysTray().Shown());
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &gone)) << "the icon is not in the tray";
}

TEST_F(frmMainTray, HideKeepsTheWindowLoadedAndOpenShowsPageZero) {
    window.Start();
    ASSERT_TRUE(window.IsVisible());
    UserClick(IDC_CMDHIDE);
    EXPECT_FALSE(window.IsVisible());
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_TRUE(window.SysTray().Shown());
    window.SelectPage(2);
    SendMessageA(window.Handle(), WM_COMMAND, IDM_POPOPEN, 0);
    EXPECT_TRUE(window.IsVisible());
    EXPECT_EQ(window.SelectedPage(), 0);
    window.SelectPage(3);
    TrayNotify(window, WM_LBUTTONDBLCLK);  // the open notification, window already visible
    EXPECT_EQ(window.SelectedPage(), 0);
    EXPECT_EQ(StatusText(), "Choose General Cleaning Items");
}

TEST_F(frmMainTray, OpenWhileProtectedAsksEveryTime) {
    StoreProtection("Secret");
    Program().automaticMode = true;  // starts hidden, without a logon
    window.Start();
    ASSERT_FALSE(window.IsVisible());
    {
        ModalScript script;
        CancelLogon(script);
        window.popOpen_Click();
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(window.IsVisible());
    }
    {
        ModalScript script;
        Logon(script, "Secret");
        window.popOpen_Click();
        EXPECT_TRUE(window.IsVisible());
    }
    {
        window.SelectPage(1);
        ModalScript script;
        CancelLogon(script);  // a failed logon leaves the visible window as it was
        window.popOpen_Click();
        EXPECT_TRUE(script.Done());
        EXPECT_TRUE(window.IsVisible());
        EXPECT_EQ(window.SelectedPage(), 1);
    }
}

TEST_F(frmMainTray, InteractiveStartWithProtectionAsksForThePassword) {
    StoreProtection("Secret");
    ModalScript script;
    Logon(script, "Secret");
    window.Start();
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(window.LogonFailed());
    EXPECT_TRUE(window.IsVisible());
    EXPECT_TRUE(window.SysTray().Shown());
}

TEST_F(frmMainTray, FailedLogonAtStartUpEndsAtOnceWithoutTrayIcon) {
    StoreProtection("Secret");
    ModalScript script;
    script.Then(kLogon, [](HWND logon) { CloseBox(logon); });
    window.Start();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(window.LogonFailed());
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_FALSE(window.SysTray().intray());
    EXPECT_FALSE(window.SysTray().Shown());
}

TEST_F(frmMainTray, RightButtonPopsTheMenuOtherButtonsNothing) {
    window.Start();
    std::vector<std::string> entries;
    {
        ModalScript script;
        script.Then(ModalScript::kPopupMenu, [&](HWND menuWindow) {
            auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                char text[64] = {};
                GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
                entries.push_back(text);
            }
            EndMenu();
        });
        TrayNotify(window, WM_RBUTTONUP);
        EXPECT_TRUE(script.Done());
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"&Open Brisvane", "&Clean Now", "",
                                                 "&Shut Down Brisvane"}));
    for (UINT other : {WM_LBUTTONUP, WM_MBUTTONUP}) {
        ModalScript script;
        bool popped = false;
        script.Then(ModalScript::kPopupMenu, [&](HWND) {
            popped = true;
            EndMenu();
        });
        TrayNotify(window, other);
        MSG msg;
        for (int i = 0; i < 5; ++i) {
            Sleep(30);
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        }
        EXPECT_FALSE(popped);
    }
}

TEST_F(frmMainTray, ShutDownFromTheMenuEndsTheWindow) {
    window.Start();
    ModalScript script;
    script.Then(ModalScript::kPopupMenu, [](HWND menuWindow) {
        PostMessageA(menuWindow, WM_CHAR, 's', 0);  // the S access key
    });
    TrayNotify(window, WM_RBUTTONUP);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(window.IsLoaded());
}

TEST_F(frmMainTray, HoverUnderlinesLinksAndFramesAndTheWindowClearThem) {
    window.Start();
    HWND w = window.Handle();
    auto over = [&](int id) { window.MouseMoveOver(Control(id), CentreOf(w, Control(id))); };
    auto overSurface = [&](POINT p) { window.MouseMoveOver(w, p); };
    // A point on a frame's own surface: just inside its left edge, below its caption.
    auto onFrame = [&](int frame) {
        RECT r;
        GetWindowRect(Control(frame), &r);
        POINT p{r.left + 4, (r.top + r.bottom) / 2};
        ScreenToClient(w, &p);
        return p;
    };
    RECT tab;
    GetWindowRect(Control(IDC_TABMAIN), &tab);
    POINT tabSurface{tab.left + 3, tab.bottom - 3};  // between the frame and the tab's edge
    ScreenToClient(w, &tabSurface);
    POINT windowSurface{2, 2};

    over(IDC_LBLGUIDE0);
    EXPECT_TRUE(window.IsUnderlined(IDC_LBLGUIDE0));
    over(IDC_CHKRUN);
    overSurface(tabSurface);
    EXPECT_TRUE(window.IsUnderlined(IDC_LBLGUIDE0)) << "other controls and the tab keep it";
    overSurface(onFrame(IDC_FRAITEMS));
    EXPECT_FALSE(window.IsUnderlined(IDC_LBLGUIDE0));

    ClickTab(3);
    over(IDC_LBLGUIDE3);
    over(IDC_LBLWEB2);
    EXPECT_TRUE(window.IsUnderlined(IDC_LBLGUIDE3));
    EXPECT_TRUE(window.IsUnderlined(IDC_LBLWEB2));
    overSurface(onFrame(IDC_FRANORMAL));
    EXPECT_FALSE(window.IsUnderlined(IDC_LBLGUIDE3));
    EXPECT_FALSE(window.IsUnderlined(IDC_LBLWEB2));

    over(IDC_LBLWEB2);
    ClickTab(0);
    over(IDC_LBLGUIDE0);
    overSurface(onFrame(IDC_FRAITEMS));  // the frame of page 0 leaves lblWeb2 alone
    EXPECT_TRUE(window.IsUnderlined(IDC_LBLWEB2));
    over(IDC_LBLGUIDE0);
    overSurface(windowSurface);
    EXPECT_FALSE(window.IsUnderlined(IDC_LBLGUIDE0));
    EXPECT_FALSE(window.IsUnderlined(IDC_LBLWEB2));
}

TEST_F(frmMainTray, LinksAreBlueWithTheHandPointerAndABrowserThatCannotStartIsTold) {
    HttpCommandOverride missing("\"Z:\\no such folder\\browser.exe\" \"%1\"");
    window.Start();
    HDC dc = GetDC(window.Handle());
    for (int id : {IDC_LBLGUIDE0, IDC_LBLWEB2}) {
        SetTextColor(dc, RGB(0, 0, 0));
        SendMessageA(window.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Control(id)));
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    }
    ReleaseDC(window.Handle(), dc);
    HCURSOR before = GetCursor();
    SendMessageA(window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Control(IDC_LBLGUIDE1)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), before);
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_LBLGUIDE0, STN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(IDC_LBLGUIDE0)));
    EXPECT_TRUE(window.IsLoaded());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("The web browser could not be started:\r\n"
                                        "\"Z:\\no such folder\\browser.exe\"  \"",
                                        0),
              0u)
        << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(frmMainTray, CleanNowFromTheTrayLeavesTheHiddenWindowHidden) {
    window.Start();
    UserClick(IDC_CMDHIDE);
    window.Settings().SetDisplayProgress(kTrue);  // and no item: only the message is shown
    SendMessageA(window.Handle(), WM_COMMAND, IDM_POPCLEAN, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No Items selected for Cleaning.");
    EXPECT_EQ(ui.pointers,
              (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    EXPECT_FALSE(window.IsVisible());
}

TEST_F(frmMainTray, AltBSelectsTheInformationPage) {
    window.Start();
    MSG alt{Control(IDC_CHKRUN), WM_SYSCHAR, 'b', 0, 0, {}};
    EXPECT_TRUE(window.PreTranslate(alt));
    EXPECT_EQ(window.SelectedPage(), 3);
    MSG other{Control(IDC_CHKRUN), WM_SYSCHAR, 'x', 0, 0, {}};
    EXPECT_FALSE(window.PreTranslate(other));
}

TEST_F(frmMainTray, EndOfSessionClosesOrIsRefusedLikeShutDown) {
    StoreProtection("");
    Program().automaticMode = true;
    window.Start();
    SetWindowLongPtrA(window.Handle(), DWLP_MSGRESULT, TRUE);
    EXPECT_EQ(SendMessageA(window.Handle(), WM_QUERYENDSESSION, 0, 0), FALSE) << "not refused";
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_EQ(ui.messages.size(), 1u);
    Store("BrisvanePassword", "pw");
    SendMessageA(window.Handle(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_FALSE(window.IsLoaded());
}
