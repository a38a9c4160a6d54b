#include <gtest/gtest.h>

#include "CookieSandbox.h"
#include "FailingRegistryApi.h"
#include "FakeUi.h"
#include "MainWindowTesting.h"
#include "ModalScript.h"
#include "cookies/frmCookies.h"
#include "cookies/frmCookiesIds.h"
#include "settings/cRegistry.h"

namespace {

using Names = std::vector<std::string>;

const char* kNSLine = ".site.com\tTRUE\t/\tFALSE\t1700000000\tid\tabc";

class CookieWindow : public ::testing::Test {
  protected:
    void TearDown() override { window.Unload(); }

    void Open(bool netscape) {
        window.SetNSBrowser(netscape ? kTrue : kFalse);
        window.SetCookieDirectory(folder.Path());
        window.SetRegObject(registry);
        window.Load();
        ASSERT_TRUE(window.IsLoaded());
    }
    Names Entries(int id) const { return ListEntries(window.Handle(), id); }
    int Selected(int id) const { return ListSelection(window.Handle(), id); }
    void Select(int id, int index) { SelectEntry(window.Handle(), id, index); }
    bool Enabled(int id) const { return IsEnabled(window.Handle(), id); }
    void Press(int id) { ::Press(window.Handle(), id); }
    // The enabled states of Add, View, Remove, View (keep-list) and Apply.
    std::vector<bool> Buttons() const {
        return {Enabled(IDC_COOKIES_CMDADD), Enabled(IDC_COOKIES_CMDVIEW),
                Enabled(IDC_COOKIES_CMDREMOVE), Enabled(IDC_COOKIES_CMDVIEWKEEPCOOKIE),
                Enabled(IDC_COOKIES_CMDAPPLY)};
    }
    // Presses a View button and returns what the viewer showed ("<none>" when no viewer).
    std::string View(int button) {
        std::string shown = "<none>";
        ModalScript script;
        script.Then("View Cookie", [&](HWND viewer) {
            shown = TextOf(viewer, IDC_VIEWCOOKIE_TXTCOOKIE);
            Click(viewer, IDC_VIEWCOOKIE_CMDCLOSE);
        });
        Press(button);
        return shown;
    }

    KeepListKeys keys;
    SandboxFolder folder{"cookie-window"};
    FakeUi ui;
    cRegistry registry;
    frmCookies window;
};

}  // namespace

TEST_F(CookieWindow, OpensWithTheMachinesCookiesAndTheKeepListOfItsFamily) {
    WriteBytes(folder / "index.dat", "i");
    WriteBytes(folder / "user@a[1].txt", "a");
    MakeFolder(folder / "sub");
    WriteBytes(folder / "cookies.txt", "# Netscape HTTP Cookie File\r\n\r\n" +
                                           std::string(kNSLine) + "\r\nb.org\tx\r\n" + kNSLine +
                                           "\r\n");
    KeepListKeys::Store(kIEKeepKey, {"user@old[1].txt"});
    KeepListKeys::Store(kNSKeepKey, {"b.org", "gone.net"});
    const struct {
        bool netscape;
        Names system;
        Names keep;
    } cases[] = {{false, {"cookies.txt", "user@a[1].txt"}, {"user@old[1].txt"}},
                 {true, {".site.com", "b.org", ".site.com"}, {"b.org", "gone.net"}}};
    for (const auto& c : cases) {
        ui.pointer = MousePointer::Hourglass;
        Open(c.netscape);
        Names system = Entries(IDC_COOKIES_LSTSYSTEM);
        std::sort(system.begin(), system.end());
        Names expected = c.system;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(system, expected) << c.netscape;
        EXPECT_EQ(Entries(IDC_COOKIES_LSTKEEP), c.keep);
        EXPECT_EQ(Selected(IDC_COOKIES_LSTSYSTEM), 0);
        EXPECT_EQ(Selected(IDC_COOKIES_LSTKEEP), 0);
        EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, true, true, false}));
        char caption[64] = {};
        GetWindowTextA(window.Handle(), caption, sizeof caption);
        EXPECT_STREQ(caption, "Cookie Options");
        EXPECT_EQ(LOWORD(SendMessageA(window.Handle(), DM_GETDEFID, 0, 0)), IDC_COOKIES_CMDOK);
        EXPECT_EQ(ui.pointer, MousePointer::Default);
        EXPECT_TRUE(ui.messages.empty());
        window.Unload();
    }
}

TEST_F(CookieWindow, NothingToListLeavesAddAndViewDisabled) {
    const struct {
        bool netscape;
        const char* file;
        const char* bytes;
    } cases[] = {{false, "index.dat", "i"},
                 {true, "cookies.txt", "# only\n#comments\n\n"},
                 {true, "other.txt", "no cookies.txt at all"}};
    for (const auto& c : cases) {
        WriteBytes(folder / c.file, c.bytes);
        Open(c.netscape);
        EXPECT_TRUE(Entries(IDC_COOKIES_LSTSYSTEM).empty()) << c.file;
        EXPECT_EQ(Buttons(), (std::vector<bool>(5, false))) << c.file;
        window.Unload();
        DeleteFileA((folder / c.file).c_str());
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CookieWindow, AddRemoveAndApplyKeepExactlyTheListShown) {
    WriteBytes(folder / "cookies.txt", "a.com\t1\nb.com\t2\n");
    KeepListKeys::Store(kNSKeepKey, {"a.com"});
    Open(true);
    Press(IDC_COOKIES_CMDADD);  // a.com is already kept
    EXPECT_EQ(Entries(IDC_COOKIES_LSTKEEP), Names{"a.com"});
    EXPECT_FALSE(Enabled(IDC_COOKIES_CMDAPPLY));

    Select(IDC_COOKIES_LSTSYSTEM, 1);
    Press(IDC_COOKIES_CMDADD);
    EXPECT_EQ(Entries(IDC_COOKIES_LSTKEEP), (Names{"a.com", "b.com"}));
    EXPECT_TRUE(Enabled(IDC_COOKIES_CMDAPPLY));
    Press(IDC_COOKIES_CMDAPPLY);
    EXPECT_FALSE(Enabled(IDC_COOKIES_CMDAPPLY));
    EXPECT_EQ(KeepListKeys::Stored(kNSKeepKey), (Names{"Cookie0=a.com", "Cookie1=b.com"}));

    Press(IDC_COOKIES_CMDREMOVE);  // the selected entry, a.com
    EXPECT_EQ(Entries(IDC_COOKIES_LSTKEEP), Names{"b.com"});
    EXPECT_EQ(Selected(IDC_COOKIES_LSTKEEP), 0);
    Press(IDC_COOKIES_CMDREMOVE);
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, false, false, true}));
    EXPECT_EQ(KeepListKeys::Stored(kNSKeepKey), (Names{"Cookie0=a.com", "Cookie1=b.com"}));
    Press(IDC_COOKIES_CMDAPPLY);
    EXPECT_EQ(KeepListKeys::Stored(kNSKeepKey), Names{});
    EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey), Names{"<no key>"});
}

TEST_F(CookieWindow, OnlyOkWithUnsavedChangesWrites) {
    WriteBytes(folder / "user@new[1].txt", "n");
    constexpr int kCloseBox = 0;
    const struct {
        const char* what;
        bool change;
        int close;  // the button pressed, or the close box
        Names stored;
    } cases[] = {
        {"OK unchanged", false, IDC_COOKIES_CMDOK, Names{"Zed=user@old[1].txt"}},
        {"OK changed", true, IDC_COOKIES_CMDOK,
         Names{"Cookie0=user@old[1].txt", "Cookie1=user@new[1].txt"}},
        {"Cancel", true, IDC_COOKIES_CMDCANCEL, Names{"Zed=user@old[1].txt"}},
        {"close box", true, kCloseBox, Names{"Zed=user@old[1].txt"}},
    };
    for (const auto& c : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kIEKeepKey);
        WriteRaw(kIEKeepKey, "Zed", REG_SZ, SzBytes("user@old[1].txt"));
        Open(false);
        if (c.change) Press(IDC_COOKIES_CMDADD);
        if (c.close == kCloseBox) {
            SendMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            Press(c.close);
        }
        EXPECT_FALSE(window.IsLoaded()) << c.what;
        EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey), c.stored) << c.what;
    }
}

TEST_F(CookieWindow, ViewerShowsANetscapeLineAsSevenLinesAndAnIEFileLineByLine) {
    WriteBytes(folder / "cookies.txt", std::string(kNSLine) + "\n");
    KeepListKeys::Store(kNSKeepKey, {"gone.net"});
    Open(true);
    EXPECT_EQ(View(IDC_COOKIES_CMDVIEW),
              ".site.com\r\nTRUE\r\n/\r\nFALSE\r\n1700000000\r\nid\r\nabc");
    EXPECT_EQ(View(IDC_COOKIES_CMDVIEWKEEPCOOKIE), "<none>");  // no longer on the machine
    window.Unload();

    WriteBytes(folder / "user@a[1].txt", "id\nabc\r\nsite.com/\n");
    KeepListKeys::Store(kIEKeepKey, {"user@gone[1].txt"});
    Open(false);
    Select(IDC_COOKIES_LSTSYSTEM, Entries(IDC_COOKIES_LSTSYSTEM)[0] == "user@a[1].txt" ? 0 : 1);
    EXPECT_EQ(View(IDC_COOKIES_CMDVIEW), "id\r\nabc\r\nsite.com/\r\n");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(View(IDC_COOKIES_CMDVIEWKEEPCOOKIE), "<none>");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The cookie \"user@gone[1].txt\" is no longer on this computer.");
    EXPECT_TRUE(window.IsLoaded());
}

TEST_F(CookieWindow, WhatTheWindowCannotListIsToldAndTheKeepListStillWorks) {
    WriteBytes(folder / "cookies.txt", "a.com\t1\nnot a cookie\n");
    Open(true);
    EXPECT_EQ(Entries(IDC_COOKIES_LSTSYSTEM), Names{"a.com"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("1 line(s) that are not cookies"), std::string::npos);
    window.Unload();

    KeepListKeys::Store(kIEKeepKey, {"user@x[1].txt"});
    window.SetNSBrowser(kFalse);
    window.SetCookieDirectory(folder / "missing");
    window.Load();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].text.find("does not exist"), std::string::npos);
    EXPECT_EQ(Entries(IDC_COOKIES_LSTKEEP), Names{"user@x[1].txt"});
    EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, true, true, false}));
}

TEST_F(CookieWindow, ARegistryFailureIsToldAndNoChangeIsLostUnseen) {
    WriteBytes(folder / "user@a[1].txt", "a");
    KeepListKeys::Store(kIEKeepKey, {"user@old[1].txt"});
    Open(false);  // an earlier opening, with its own keep-list
    window.Unload();
    RegDeleteTreeA(HKEY_CURRENT_USER, kIEKeepKey);
    FailingRegistryApi api;
    cRegistry failing(api);
    window.SetRegObject(failing);
    api.failing = RegCall::CreateKey;  // the missing keep-list key cannot be created
    window.Load();
    EXPECT_TRUE(Entries(IDC_COOKIES_LSTKEEP).empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("The cookies to keep could not be read.", 0), 0u);
    EXPECT_EQ(ui.pointer, MousePointer::Default);

    api.failing = RegCall::SetValue;
    Press(IDC_COOKIES_CMDADD);
    Press(IDC_COOKIES_CMDOK);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text.rfind("The cookies to keep could not be saved.", 0), 0u);
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_TRUE(Enabled(IDC_COOKIES_CMDAPPLY));

    api.failing = RegCall::None;
    Press(IDC_COOKIES_CMDOK);
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey), Names{"Cookie0=user@a[1].txt"});
}

TEST_F(MainWindowTest, CookieOptionsOpensTheWindowOfTheDefaultBrowserWithTheHourglass) {
    KeepListKeys keys;
    SandboxFolder profile("cookie-profile");
    WriteBytes(profile / "cookies.txt", "ns.com\t1\n");
    window.Start();
    ProfileRedirect redirect(profile.Path(), window.Settings());
    window.Settings().SetDefaultBrowser("NS");
    std::vector<std::string> listed;
    std::vector<MousePointer> pointersAtOpen;
    ModalScript script;
    script.Then("Cookie Options", [&](HWND dialog) {
        pointersAtOpen = ui.pointers;
        listed.push_back(ListEntries(dialog, IDC_COOKIES_LSTSYSTEM).at(0));
        Click(dialog, IDC_COOKIES_CMDCANCEL);
    });
    const std::size_t before = ui.pointers.size();
    window.cmdCookies_Click();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(listed, Names{"ns.com"});
    ASSERT_GE(pointersAtOpen.size(), before + 2);
    EXPECT_EQ(pointersAtOpen[before], MousePointer::Hourglass);
    EXPECT_EQ(pointersAtOpen.back(), MousePointer::Default);
    EXPECT_EQ(KeepListKeys::Stored(kNSKeepKey), Names{});  // the key is created on first use
    EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey), Names{"<no key>"});
    window.RequestClose();
}
