// Start-up with each browser registered by the test: what the Internet Cleaning page shows,
// the browser code and command kept, and the internet items disabled for an unknown browser
// (off in memory, unchanged in the registry).
#include <memory>

#include "MainWindowTesting.h"
#include "RegistryOverride.h"

namespace {

enum class Registered { Explorer, Netscape, NetscapeWithoutProduct, Mozilla, Wine, Placeholder };

// Registers one browser for the life of the object.
struct Registration {
    explicit Registration(Registered which) {
        switch (which) {
            case Registered::Explorer:
                explorer = std::make_unique<ExplorerRegistered>();
                break;
            case Registered::Netscape:
                netscape = std::make_unique<NetscapeRegistered>();
                break;
            case Registered::NetscapeWithoutProduct:  // the key has no product sub-key
                command = std::make_unique<HttpCommandOverride>(kNetscapeCommand);
                key = std::make_unique<RegistryOverride>(HKEY_LOCAL_MACHINE, "Software\\Netscape",
                                                         "Note", "", "Software\\Netscape");
                break;
            case Registered::Mozilla:
                command = std::make_unique<HttpCommandOverride>(
                    "\"C:\\Program Files\\mozilla.org\\Mozilla\\mozilla.exe\" -url \"%1\"");
                break;
            case Registered::Wine:
                command = std::make_unique<HttpCommandOverride>(kWineBrowserCommand);
                break;
            case Registered::Placeholder:
                command = std::make_unique<HttpCommandOverride>("%1");
                break;
        }
    }
    std::unique_ptr<ExplorerRegistered> explorer;
    std::unique_ptr<NetscapeRegistered> netscape;
    std::unique_ptr<HttpCommandOverride> command;
    std::unique_ptr<RegistryOverride> key;
};

constexpr int kInternetControls[] = {IDC_CHKINTERNETHISTORY, IDC_CHKTEMPINTERNET, IDC_CHKCOOKIES,
                                     IDC_CMDCOOKIES, IDC_CHKURLHISTORY};
constexpr const char* kInternetSettings[] = {"InternetHistory", "TempInternet", "InternetCookies",
                                             "InternetURLHistory"};

}  // namespace

using BrowserStartUp = MainWindowTest;

TEST_F(BrowserStartUp, PageShowsTheBrowserAndDisablesTheItemsOfAnUnknownOne) {
    struct Case {
        Registered browser;
        const char* caption;
        const char* code;
        const char* command;
        bool internetItems;
    } cases[] = {
        {Registered::Explorer, "Internet Explorer 6.0", "IE", kExplorerCommand, true},
        {Registered::Netscape, "Netscape 7.1", "NS",
         "\"C:\\Program Files\\Netscape\\Netscape\\Netscp.exe\" -url ", true},
        // Detection fails: the designed caption stays and nothing is disabled.
        {Registered::NetscapeWithoutProduct, "IE 6.0", "",
         "\"C:\\Program Files\\Netscape\\Netscape\\Netscp.exe\" -url ", true},
        {Registered::Mozilla, "Unknown Browser", "Unknown Browser",
         "\"C:\\Program Files\\mozilla.org\\Mozilla\\mozilla.exe\" -url ", false},
        {Registered::Wine, "Unknown Browser", "Unknown Browser",
         "\"C:\\windows\\system32\\winebrowser.exe\" ", false},
        // "%1" at the very start: no command can be cut from it.
        {Registered::Placeholder, "Unknown Browser", "Unknown Browser", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + std::string(" ") + c.command);
        Registration registered(c.browser);
        ClearStoredSettings();
        StoreAllFlags("True");
        Store("PasswordProtected", "False");
        Program().nsProfiles.clear();
        frmMain started;
        started.Start();
        ASSERT_TRUE(started.IsLoaded());
        started.SelectPage(1);
        HWND w = started.Handle();
        char caption[64] = {};
        GetDlgItemTextA(w, IDC_LBLBROWSER, caption, sizeof caption);
        EXPECT_STREQ(caption, c.caption);
        EXPECT_EQ(started.Settings().DefaultBrowser(), c.code);
        EXPECT_EQ(started.BrowserCommand(), c.command);
        const bool netscape = std::string(c.code) == "NS";
        EXPECT_EQ(IsWindowVisible(GetDlgItem(w, IDC_CBOPROFILE)) != FALSE, netscape);
        EXPECT_EQ(IsWindowVisible(GetDlgItem(w, IDC_LBLDEFAULT1)) != FALSE, netscape);
        EXPECT_EQ(Stored("DefaultNSProfile"), netscape ? "default" : "<missing>");
        for (int id : kInternetControls) {
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(w, id)) != FALSE, c.internetItems) << id;
        }
        const cSettings& s = started.Settings();
        const Boolean on = c.internetItems ? kTrue : kFalse;
        EXPECT_EQ(s.InternetHistory(), on);
        EXPECT_EQ(s.TempInternet(), on);
        EXPECT_EQ(s.InternetCookies(), on);
        EXPECT_EQ(s.InternetURLHistory(), on);
        EXPECT_EQ(IsDlgButtonChecked(w, IDC_CHKCOOKIES) == BST_CHECKED, c.internetItems);
        for (const char* name : kInternetSettings) EXPECT_EQ(Stored(name), "True") << name;
        EXPECT_TRUE(started.RequestClose());
    }
}
