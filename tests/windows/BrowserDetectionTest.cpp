// Start-up with each browser registered by the test: what the Internet Cleaning page shows,
// the browser code and command kept, and the internet items disabled for an unknown browser
// (off in memory, unchanged in the registry). Then the browser and command of the user's
// choice as Windows Vista and later record it.
#include <memory>

#include "MainWindowTesting.h"
#include "RegistryOverride.h"
#include "browser/BrowserDetection.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

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

namespace {

const char* kIeCommand = "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1";
const char* kChromeCommand =
    "\"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe\" --single-argument %1";
const char* kChromeStart =
    "\"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe\" "
    "--single-argument";

}  // namespace

// Windows starts the open command of the ProgId it records as the user's choice; the "http"
// key, which often still names Internet Explorer, counts only when there is none.
TEST(BrowserChoiceTest, TheChosenProgIdNamesTheBrowserAndItsCommand) {
    struct Case {
        const char* what;
        const char* latestSubkey;  // ProgIds, nullptr for no value
        const char* latest;
        const char* choice;
        const char* httpCommand;
        const char* version;
        const char* serviceVersion;  // nullptr for no value
        const char* text;
        const char* command;
    } cases[] = {
        // Windows 11 24H2 and later: the subkey holds the choice, UserChoice is stale.
        {"UserChoiceLatest\\ProgId over a stale UserChoice", "ChromeHTML", nullptr, "IE.HTTP",
         kExplorerCommand, "9.11.9600.18860", "11.0.9600.18860", "Unknown Browser", kChromeStart},
        {"UserChoiceLatest\\ProgId over UserChoiceLatest's own value", "ChromeHTML", "IE.HTTP",
         "IE.HTTP", kExplorerCommand, "9.11.9600.18860", "11.0.9600.18860", "Unknown Browser",
         kChromeStart},
        {"UserChoiceLatest over UserChoice", nullptr, "ChromeHTML", "IE.HTTP", kExplorerCommand,
         "9.11.9600.18860", "11.0.9600.18860", "Unknown Browser", kChromeStart},
        {"UserChoice over the http key", nullptr, nullptr, "IE.HTTP", kNetscapeCommand,
         "9.11.9600.18860", "11.0.9600.18860", "Internet Explorer 11.0",
         "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\""},
        {"Chrome chosen, the http key naming iexplore", "", "", "ChromeHTML", kExplorerCommand,
         "9.11.9600.18860", "11.0.9600.18860", "Unknown Browser", kChromeStart},
        {"chosen ProgId without a command", nullptr, nullptr, "Brisvane.NoCommand",
         kExplorerCommand, "9.0.8112.16421", "", "Internet Explorer 9.0", kExplorerCommand},
        {"UserChoiceLatest's ProgId without a command", nullptr, "Brisvane.NoCommand", "ChromeHTML",
         kExplorerCommand, "6.0.2800.1106", nullptr, "Internet Explorer 6.0", kExplorerCommand},
    };
    ProgIdRegistered explorer("IE.HTTP", kIeCommand);
    ProgIdRegistered chrome("ChromeHTML", kChromeCommand);
    ProgIdRegistered noCommand("Brisvane.NoCommand", nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExplorerRegistered registered(c.version, c.httpCommand, c.serviceVersion);
        std::unique_ptr<LatestHttpChoiceRegistered> latestSubkey;
        if (c.latestSubkey != nullptr)
            latestSubkey = std::make_unique<LatestHttpChoiceRegistered>(c.latestSubkey);
        std::unique_ptr<HttpChoiceRegistered> latest, choice;
        if (c.latest != nullptr)
            latest = std::make_unique<HttpChoiceRegistered>("UserChoiceLatest", c.latest);
        if (c.choice != nullptr)
            choice = std::make_unique<HttpChoiceRegistered>("UserChoice", c.choice);
        cRegistry registry;
        cSettings settings;
        EXPECT_EQ(DetectDefaultBrowser(registry, settings), c.text);
        EXPECT_EQ(settings.DefaultBrowser(),
                  std::string(c.text) == "Unknown Browser" ? "Unknown Browser" : "IE");
        EXPECT_EQ(GetBrowserCommand(registry), c.command);
    }
}

// A browser of the Other Browsers page chosen for "http": the Internet Cleaning page still shows
// "Unknown Browser" with its items greyed, and a link, reached by Tab and worked by a click or by
// Enter, selects the page where that browser is cleaned. Other choices show no link.
TEST_F(BrowserStartUp, ABrowserOfTheOtherBrowsersPageIsPointedTo) {
    struct Case {
        const char* what;
        const char* latestSubkey;  // the ProgId chosen, as 24H2 records it, or nullptr
        const char* choice;        // the ProgId in UserChoice
        const char* browser;       // what the page says
        const char* link;          // "" for none
    } cases[] = {
        {"Chrome as Windows 11 25H2 records it", "ChromeHTML", "IE.HTTP", "Unknown Browser",
         "Google Chrome is cleaned on the Other Browsers page"},
        {"Firefox in UserChoice", nullptr, "FirefoxURL-308046B0AF4A39CB", "Unknown Browser",
         "Mozilla Firefox is cleaned on the Other Browsers page"},
        {"Internet Explorer", nullptr, "IE.HTTP", "Internet Explorer 11.0", ""},
        {"a browser of no page", nullptr, "Brisvane.OtherBrowser", "Unknown Browser", ""},
    };
    ExplorerRegistered explorer("9.11.9600.18860", kExplorerCommand, "11.0.9600.18860");
    ProgIdRegistered ie("IE.HTTP", kIeCommand);
    ProgIdRegistered chrome("ChromeHTML", kChromeCommand);
    ProgIdRegistered firefox("FirefoxURL-308046B0AF4A39CB",
                             "\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url %1");
    ProgIdRegistered other("Brisvane.OtherBrowser", "\"C:\\Other\\other.exe\" %1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<LatestHttpChoiceRegistered> latest;
        if (c.latestSubkey != nullptr)
            latest = std::make_unique<LatestHttpChoiceRegistered>(c.latestSubkey);
        HttpChoiceRegistered choice("UserChoice", c.choice);
        ClearStoredSettings();
        StoreAllFlags("True");
        Store("PasswordProtected", "False");
        frmMain started;
        started.Start();
        ASSERT_TRUE(started.IsLoaded());
        ShowWindow(started.Handle(), SW_SHOW);
        started.SelectPage(1);
        HWND w = started.Handle();
        const bool linked = *c.link != '\0';
        EXPECT_EQ(TextOf(w, IDC_LBLOTHERBROWSER), c.link);
        EXPECT_EQ(IsShown(w, IDC_LBLOTHERBROWSER), linked);
        EXPECT_EQ(TextOf(w, IDC_LBLBROWSER), c.browser);
        if (linked) {
            EXPECT_FALSE(IsEnabled(w, IDC_CHKINTERNETHISTORY));
            SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_LBLOTHERBROWSER, STN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(w, IDC_LBLOTHERBROWSER)));
            EXPECT_EQ(SelectedTab(w, IDC_TABMAIN), 4);
            EXPECT_FALSE(IsShown(w, IDC_LBLOTHERBROWSER));
            EXPECT_EQ(GetFocus(), GetDlgItem(w, IDC_LVWBROWSERS));
            // The keyboard: Tab from the Cookie Options row reaches the link, Enter works it.
            started.SelectPage(1);
            SetFocus(GetNextDlgTabItem(w, GetDlgItem(w, IDC_CHKCOOKIES), FALSE));
            ASSERT_EQ(GetFocus(), GetDlgItem(w, IDC_LBLOTHERBROWSER));
            EXPECT_TRUE(started.IsUnderlined(IDC_LBLOTHERBROWSER));
            MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
            EXPECT_TRUE(started.PreTranslate(enter));
            EXPECT_EQ(SelectedTab(w, IDC_TABMAIN), 4);
            EXPECT_FALSE(started.IsUnderlined(IDC_LBLOTHERBROWSER));
        }
        EXPECT_TRUE(started.RequestClose());
    }
}
