// The option boxes, pages and buttons of the main window, on the real window and Wine's
// registry, with message-box answers scripted.
#include <algorithm>

#include "FailingRegistryApi.h"
#include "MainWindowTesting.h"
#include "app/frmMainIds.h"
#include "settings/Password.h"

namespace {

struct BoxCase {
    int id;
    const char* setting;
    Boolean (cSettings::*get)() const;
};

const BoxCase kBoxes[] = {
    {IDC_CHKDOCUMENTHISTORY, "DocumentHistory", &cSettings::DocumentHistory},
    {IDC_CHKFINDSEARCH, "FindSearch", &cSettings::FindSearch},
    {IDC_CHKRUN, "Run", &cSettings::Run},
    {IDC_CHKTEMP, "TempFiles", &cSettings::TempFiles},
    {IDC_CHKRECYCLEBIN, "RecycleBin", &cSettings::RecycleBin},
    {IDC_CHKINTERNETHISTORY, "InternetHistory", &cSettings::InternetHistory},
    {IDC_CHKURLHISTORY, "InternetURLHistory", &cSettings::InternetURLHistory},
    {IDC_CHKCOOKIES, "InternetCookies", &cSettings::InternetCookies},
    {IDC_CHKTEMPINTERNET, "TempInternet", &cSettings::TempInternet},
    {IDC_CHKSTARTUP, "CleanAtStartUp", &cSettings::CleanAtStartUp},
    {IDC_CHKSHUTDOWN, "CleanAtShutDown", &cSettings::CleanAtShutDown},
    {IDC_CHKDISPLAYPROGRESS, "DisplayProgress", &cSettings::DisplayProgress},
    {IDC_CHKREPORT, "Report", &cSettings::Report},
    {IDC_CHKPASSWORD, "PasswordProtected", &cSettings::PasswordProtected},
};

}  // namespace

using frmMainOptions = MainWindowTest;

TEST_F(frmMainOptions, EachBoxStoresItsStateAtOnceAndSetsItsProperty) {
    StoreAllFlags("False");
    window.Start();
    for (const BoxCase& box : kBoxes) {
        SCOPED_TRACE(box.setting);
        ASSERT_FALSE(Checked(box.id));
        UserClick(box.id);
        EXPECT_TRUE(Checked(box.id));
        EXPECT_EQ(Stored(box.setting), "True");
        EXPECT_EQ((window.Settings().*box.get)(), kTrue);
        UserClick(box.id);
        EXPECT_EQ(Stored(box.setting), "False");
        EXPECT_EQ((window.Settings().*box.get)(), kFalse);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(frmMainOptions, LoadingShowsTheStoredSettingsWithoutSavingAnything) {
    StoreAllFlags("False");
    Store("Run", "True");
    Store("RecycleBin", "True");
    Store("Report", "True");
    Store("BrisvanePassword", "");
    RecordingRegistryApi api;
    window.UseRegistryApi(api);
    window.Start();
    for (const BoxCase& box : kBoxes) {
        EXPECT_EQ(std::count(api.written.begin(), api.written.end(), box.setting), 0)
            << box.setting << " was stored while loading";
    }
    EXPECT_FALSE(window.Loading());
    for (const BoxCase& box : kBoxes) {
        bool on = std::string(box.setting) == "Run" || std::string(box.setting) == "RecycleBin" ||
                  std::string(box.setting) == "Report";
        EXPECT_EQ(Checked(box.id), on) << box.setting;
    }
}

TEST_F(frmMainOptions, EmptyPrefixStartCreatesEveryFlagAsFalseAndClearsTheBoxes) {
    window.Start();
    ASSERT_TRUE(window.IsVisible());
    for (const BoxCase& box : kBoxes) {
        EXPECT_FALSE(Checked(box.id)) << box.setting;
        EXPECT_EQ(Stored(box.setting), "false") << box.setting;
    }
}

TEST_F(frmMainOptions, CompanionButtonsFollowTheirBoxesAfterStartUp) {
    struct Case {
        const char* cookies;
        const char* password;
    };
    for (Case c : {Case{"True", "True"}, Case{"True", "False"}, Case{"False", "True"},
                   Case{"False", "False"}}) {
        SCOPED_TRACE(std::string(c.cookies) + " " + c.password);
        StoreAllFlags("False");
        Store("InternetCookies", c.cookies);
        Store("PasswordProtected", c.password);
        Program().automaticMode = true;  // no logon at an automatic start
        frmMain started;
        started.Start();
        ASSERT_TRUE(started.IsLoaded());
        HWND w = started.Handle();
        EXPECT_EQ(IsEnabled(w, IDC_CMDCOOKIES), std::string(c.cookies) == "True");
        EXPECT_EQ(IsEnabled(w, IDC_CMDPASSWORD), std::string(c.password) == "True");
        EXPECT_TRUE(IsEnabled(w, IDC_CMDREPORT));
        EXPECT_FALSE(started.IsVisible());
        SavePassword(started.Registry(), "x");  // so that it may close
        EXPECT_TRUE(started.RequestClose());
    }
}

TEST_F(frmMainOptions, CompanionButtonsFollowAUsersClicks) {
    window.Start();
    UserClick(IDC_CHKCOOKIES);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_CMDCOOKIES)));
    UserClick(IDC_CHKCOOKIES);
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_CMDCOOKIES)));
    UserClick(IDC_CHKPASSWORD);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_CMDPASSWORD)));
}

TEST_F(frmMainOptions, ClearingPasswordProtectedErasesTheStoredPassword) {
    StoreAllFlags("False");
    Store("PasswordProtected", "True");
    Store("BrisvanePassword", "Open Sesame");
    Program().automaticMode = true;
    window.Start();
    ASSERT_TRUE(Checked(IDC_CHKPASSWORD));
    UserClick(IDC_CHKPASSWORD);
    EXPECT_EQ(Stored("BrisvanePassword"), "");
    EXPECT_EQ(Stored("PasswordProtected"), "False");
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_CMDPASSWORD)));
    UserClick(IDC_CHKPASSWORD);  // ticking again stores no password
    EXPECT_EQ(Stored("BrisvanePassword"), "");
    EXPECT_EQ(Stored("PasswordProtected"), "True");
}

TEST_F(frmMainOptions, StatusTextAndControlsFollowThePage) {
    window.Start();
    EXPECT_EQ(window.SelectedPage(), 0);
    const char* texts[] = {"Choose General Cleaning Items", "Choose Internet Cleaning Items",
                           "Choose General Cleaning Options", "Brisvane Information and Updates"};
    const int onPage[] = {IDC_CHKRUN, IDC_CHKCOOKIES, IDC_CHKREPORT, IDC_LBLWEB2};
    for (int page : {1, 3, 2, 0}) {
        ClickTab(page);
        EXPECT_EQ(StatusText(), texts[page]);
        for (int other = 0; other < 4; ++other) {
            EXPECT_EQ(IsWindowVisible(Control(onPage[other])) != FALSE, other == page)
                << "page " << page << ", control of page " << other;
        }
        EXPECT_TRUE(IsWindowVisible(Control(IDC_LBLGUIDE0 + page)));
    }
}

TEST_F(frmMainOptions, ProfileControlsAreShownOnlyForNetscape) {
    window.Start();
    ClickTab(1);
    EXPECT_FALSE(IsWindowVisible(Control(IDC_CBOPROFILE)));
    EXPECT_FALSE(IsWindowVisible(Control(IDC_LBLDEFAULT1)));
    window.Settings().SetDefaultBrowser("NS");
    window.ShowBrowserControls();
    EXPECT_TRUE(IsWindowVisible(Control(IDC_CBOPROFILE)));
    EXPECT_TRUE(IsWindowVisible(Control(IDC_LBLDEFAULT1)));
    ClickTab(0);
    EXPECT_FALSE(IsWindowVisible(Control(IDC_CBOPROFILE)));
    ClickTab(1);
    EXPECT_TRUE(IsWindowVisible(Control(IDC_CBOPROFILE)));
    window.Settings().SetDefaultBrowser("ns");  // the code is compared case-sensitively
    window.ShowBrowserControls();
    EXPECT_FALSE(IsWindowVisible(Control(IDC_CBOPROFILE)));
}

TEST_F(frmMainOptions, ChosenProfileIsStoredEvenWhenAlreadySelected) {
    window.Start();
    HWND list = Control(IDC_CBOPROFILE);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("default"));
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Work Profile"));
    for (int pick : {1, 1}) {
        Store("DefaultNSProfile", "");
        SendMessageA(list, CB_SETCURSEL, pick, 0);
        SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CBOPROFILE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(Stored("DefaultNSProfile"), "Work Profile");
        EXPECT_EQ(window.Settings().DefaultNSProfile(), "Work Profile");
    }
}

TEST_F(frmMainOptions, FailedStoreIsToldAndTheProgramGoesOn) {
    FailingRegistryApi api;
    window.UseRegistryApi(api);
    window.Start();
    api.failing = RegCall::SetValue;
    UserClick(IDC_CHKRUN);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Run"), std::string::npos) << ui.messages[0].text;
    EXPECT_TRUE(window.IsLoaded());
    api.failing = RegCall::None;
    UserClick(IDC_CHKRUN);
    EXPECT_EQ(Stored("Run"), "False");
}

TEST_F(frmMainOptions, ClosingIsRefusedWhileProtectedWithoutPasswordVisibleOrHidden) {
    StoreAllFlags("False");
    Store("PasswordProtected", "True");
    Program().automaticMode = true;
    window.Start();
    ASSERT_FALSE(window.IsVisible());
    for (bool visible : {false, true}) {
        ui.messages.clear();
        ShowWindow(window.Handle(), visible ? SW_SHOW : SW_HIDE);
        UserClick(IDC_CMDCLOSE);
        ASSERT_TRUE(window.IsLoaded());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  "No Password has been entered, please enter password\r\n"
                  "or un-check Password Protected.");
        EXPECT_EQ(ui.messages[0].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(window.SelectedPage(), 2);
        EXPECT_EQ(StatusText(), "Choose General Cleaning Options");
        EXPECT_EQ(window.IsVisible(), visible);
    }
    PostMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box too
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_EQ(ui.messages.size(), 2u);

    Store("BrisvanePassword", "pw");
    UserClick(IDC_CMDCLOSE);
    EXPECT_FALSE(window.IsLoaded());
}
