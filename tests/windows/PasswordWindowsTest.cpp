// The logon and set-password windows, shown modally and driven like a user would.
#include "MainWindowTesting.h"
#include "ModalScript.h"
#include "reports/frmReportsIds.h"
#include "settings/Password.h"
#include "settings/cRegistry.h"
#include "settings/frmLogon.h"
#include "settings/frmLogonIds.h"
#include "settings/frmPassword.h"
#include "settings/frmPasswordIds.h"

namespace {

constexpr const char* kLogon = "Logon to Brisvane";
constexpr const char* kSetPassword = "Set Brisvane Password";

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
    bool focused = false;
};

Selection SelectionOf(HWND dialog, int id) {
    Selection s;
    SendDlgItemMessageA(dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start),
                        reinterpret_cast<LPARAM>(&s.end));
    s.focused = GetFocus() == GetDlgItem(dialog, id);
    return s;
}

}  // namespace

class PasswordWindows : public MainWindowTest {};

TEST_F(PasswordWindows, LogonAcceptsOnlyTheExactPassword) {
    Store("BrisvanePassword", "Open Sesame");
    struct Attempt {
        std::string typed;
        const char* message;  // nullptr: accepted
        UINT icon;
    };
    const Attempt attempts[] = {
        {"", "No Password Entered.", MB_ICONEXCLAMATION},
        {"open sesame", "Incorrect Password.", MB_ICONSTOP},
        {"Open Sesame ", "Incorrect Password.", MB_ICONSTOP},
        {"Open Sesame", nullptr, 0},
    };
    frmLogon logon;
    EXPECT_FALSE(logon.Success());
    ModalScript script;
    std::vector<Selection> afterRefusal;  // the entry as each refusal left it
    for (std::size_t i = 0; i < std::size(attempts); ++i) {
        script.Then(kLogon, [&, i](HWND w) {
            if (i > 0) afterRefusal.push_back(SelectionOf(w, IDC_TXTPASSWORD));
            TypeText(w, IDC_TXTPASSWORD, attempts[i].typed);
            PressKey(w, IDC_TXTPASSWORD, VK_RETURN);  // Enter presses OK
        });
    }
    logon.ShowModal(nullptr);
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(logon.Success());
    ASSERT_EQ(ui.messages.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(ui.messages[i].text, attempts[i].message);
        EXPECT_EQ(ui.messages[i].flags, MB_OK | attempts[i].icon);
    }
    // After a wrong password the whole entry is selected and focused for the next try.
    ASSERT_EQ(afterRefusal.size(), 3u);
    EXPECT_TRUE(afterRefusal[0].focused);  // after the empty entry
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_TRUE(afterRefusal[i].focused);
        EXPECT_EQ(afterRefusal[i].start, 0u);
        EXPECT_EQ(afterRefusal[i].end, attempts[i].typed.size());
    }
}

TEST_F(PasswordWindows, LogonCancelCloseBoxAndEscape) {
    Store("BrisvanePassword", "pw");
    frmLogon logon;
    {
        ModalScript script;
        script.Then(kLogon, [](HWND w) {
            TypeText(w, IDC_TXTPASSWORD, "pw");
            Click(w, IDC_LOGON_CMDOK);
        });
        logon.ShowModal(nullptr);
        ASSERT_TRUE(logon.Success());
    }
    {
        // Showing again keeps Success; Escape is bound to no button; Cancel makes it False.
        ModalScript script;
        bool stillOpen = false;
        script.Then(kLogon, [](HWND w) { PressKey(w, IDC_TXTPASSWORD, VK_ESCAPE); });
        script.Then(kLogon, [&](HWND w) {
            stillOpen = true;
            Click(w, IDC_LOGON_CMDCANCEL);
        });
        logon.ShowModal(nullptr);
        EXPECT_TRUE(stillOpen);
        EXPECT_FALSE(logon.Success());
    }
    {
        ModalScript script;
        script.Then(kLogon, [](HWND w) {
            TypeText(w, IDC_TXTPASSWORD, "pw");
            Click(w, IDC_LOGON_CMDOK);
        });
        logon.ShowModal(nullptr);
        ASSERT_TRUE(logon.Success());
        script.Then(kLogon, [](HWND w) { CloseBox(w); });
        logon.ShowModal(nullptr);
        EXPECT_FALSE(logon.Success());
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PasswordWindows, LogonWithoutStoredPasswordAcceptsNothing) {
    frmLogon logon;
    ModalScript script;
    script.Then(kLogon, [](HWND w) { Click(w, IDC_LOGON_CMDOK); });
    script.Then(kLogon, [](HWND w) {
        TypeText(w, IDC_TXTPASSWORD, "anything");
        Click(w, IDC_LOGON_CMDOK);
    });
    script.Then(kLogon, [](HWND w) { Click(w, IDC_LOGON_CMDCANCEL); });
    logon.ShowModal(nullptr);
    EXPECT_FALSE(logon.Success());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "No Password Entered.");
    EXPECT_EQ(ui.messages[1].text, "Incorrect Password.");
}

TEST_F(PasswordWindows, LogonLooksAsDesigned) {
    frmLogon logon;
    ModalScript script;
    HWND focused = nullptr;
    LRESULT mask = 0;
    LRESULT defId = 0;
    std::string frame;
    script.Then(kLogon, [&](HWND w) {
        focused = GetFocus();
        mask = SendDlgItemMessageA(w, IDC_TXTPASSWORD, EM_GETPASSWORDCHAR, 0, 0);
        defId = LOWORD(SendMessageA(w, DM_GETDEFID, 0, 0));
        frame = TextOf(w, IDC_FRALOGON);
        EXPECT_EQ(focused, GetDlgItem(w, IDC_TXTPASSWORD));
        EXPECT_EQ(GetNextDlgTabItem(w, GetDlgItem(w, IDC_TXTPASSWORD), FALSE),
                  GetDlgItem(w, IDC_LOGON_CMDOK));
        EXPECT_EQ(GetNextDlgTabItem(w, GetDlgItem(w, IDC_LOGON_CMDOK), FALSE),
                  GetDlgItem(w, IDC_LOGON_CMDCANCEL));
        EXPECT_EQ(TextOf(w, IDC_LBLPASSWORD), "Password:");
        Click(w, IDC_LOGON_CMDCANCEL);
    });
    logon.ShowModal(nullptr);
    EXPECT_EQ(mask, '*');
    EXPECT_EQ(defId, IDC_LOGON_CMDOK);
    EXPECT_EQ(frame, "Enter Password to Continue");
}

TEST_F(PasswordWindows, SetPasswordRefusesEmptyAndMismatchedEntries) {
    Store("BrisvanePassword", "old");
    frmPassword window;
    ModalScript script;
    Selection afterMismatch;
    LRESULT masks[2] = {};
    script.Then(kSetPassword, [&](HWND w) {
        masks[0] = SendDlgItemMessageA(w, IDC_TXTPASSWORD1, EM_GETPASSWORDCHAR, 0, 0);
        masks[1] = SendDlgItemMessageA(w, IDC_TXTPASSWORD2, EM_GETPASSWORDCHAR, 0, 0);
        TypeText(w, IDC_TXTPASSWORD2, "second only");
        Click(w, IDC_PASSWORD_CMDOK);
    });
    script.Then(kSetPassword, [](HWND w) {
        TypeText(w, IDC_TXTPASSWORD1, "Alpha");
        TypeText(w, IDC_TXTPASSWORD2, "alpha");
        Click(w, IDC_PASSWORD_CMDOK);
    });
    script.Then(kSetPassword, [&](HWND w) {
        afterMismatch = SelectionOf(w, IDC_TXTPASSWORD1);
        Click(w, IDC_PASSWORD_CMDCANCEL);
    });
    window.ShowModal(nullptr);
    EXPECT_TRUE(script.Done());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "No Password Entered.");
    EXPECT_EQ(ui.messages[0].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(ui.messages[1].text, "Passwords do not match.");
    EXPECT_EQ(ui.messages[1].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(afterMismatch.focused);
    EXPECT_EQ(afterMismatch.start, 0u);
    EXPECT_EQ(afterMismatch.end, 5u);
    EXPECT_EQ(masks[0], '*');
    EXPECT_EQ(masks[1], '*');
    EXPECT_EQ(Stored("BrisvanePassword"), "old");
}

TEST_F(PasswordWindows, SetPasswordStoresMatchingEntriesExactly) {
    frmPassword window;
    ModalScript script;
    script.Then(kSetPassword, [](HWND w) {
        TypeText(w, IDC_TXTPASSWORD1, " Two  Blanks ");
        TypeText(w, IDC_TXTPASSWORD2, " Two  Blanks ");
        PressKey(w, IDC_TXTPASSWORD2, VK_RETURN);
    });
    window.ShowModal(nullptr);
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Stored("BrisvanePassword").rfind("pbkdf2-sha256$", 0), 0u);
    cRegistry registry;
    EXPECT_EQ(CheckPassword(registry, " Two  Blanks "), kTrue);
    EXPECT_EQ(CheckPassword(registry, "Two  Blanks"), kFalse);
    EXPECT_EQ(ReadRaw(kSettingsPath, "BrisvanePassword").type, static_cast<DWORD>(REG_SZ));
}

TEST_F(PasswordWindows, SetPasswordButtonOpensTheWindowAndEnablesClosing) {
    StoreAllFlags("False");
    Store("PasswordProtected", "True");
    Program().automaticMode = true;
    window.Start();
    ModalScript script;
    script.Then(kSetPassword, [](HWND w) {
        TypeText(w, IDC_TXTPASSWORD1, "pw");
        TypeText(w, IDC_TXTPASSWORD2, "pw");
        Click(w, IDC_PASSWORD_CMDOK);
    });
    UserClick(IDC_CMDPASSWORD);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(CheckPassword(window.Registry(), "pw"), kTrue);
    EXPECT_EQ(Stored("PasswordProtected"), "True");
    EXPECT_TRUE(window.RequestClose());
}

TEST_F(PasswordWindows, ReportOptionsOpensTheReportsWindowModally) {
    window.Start();
    ModalScript script;
    bool mainDisabled = false;
    script.Then("Report Options", [&](HWND w) {
        mainDisabled = !IsWindowEnabled(window.Handle());
        PostMessageA(GetDlgItem(w, IDC_REPORTS_CMDCLOSE), BM_CLICK, 0, 0);
    });
    UserClick(IDC_CMDREPORT);
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(mainDisabled) << "the reports window is modal to the main window";
    EXPECT_TRUE(IsWindowEnabled(window.Handle()));
}
