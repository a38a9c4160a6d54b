// Browser detection on Wine's registry, with each browser registered by the test, and what the
// main window shows and disables for it at start-up.
#include <memory>

#include "MainWindowTesting.h"
#include "RegistryOverride.h"
#include "browser/BrowserDetection.h"
#include "platform/AppError.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

const char* kMozillaCommand =
    "\"C:\\Program Files\\mozilla.org\\Mozilla\\mozilla.exe\" -url \"%1\"";

enum class Registered {
    Explorer,
    ExplorerNoVersion,
    Netscape,
    NetscapeWithoutProduct,
    Mozilla,
    Wine
};

// Registers one browser for the life of the object.
struct Registration {
    explicit Registration(Registered which) {
        switch (which) {
            case Registered::Explorer:
                explorer = std::make_unique<ExplorerRegistered>();
                break;
            case Registered::ExplorerNoVersion:
                explorer = std::make_unique<ExplorerRegistered>("");
                break;
            case Registered::Netscape:
                netscape = std::make_unique<NetscapeRegistered>();
                break;
            case Registered::NetscapeWithoutProduct:
                command = std::make_unique<HttpCommandOverride>(kNetscapeCommand);
                emptyKey =
                    std::make_unique<RegistryOverride>(HKEY_LOCAL_MACHINE, "Software\\Netscape",
                                                       "Note", "no product", "Software\\Netscape");
                break;
            case Registered::Mozilla:
                command = std::make_unique<HttpCommandOverride>(kMozillaCommand);
                break;
            case Registered::Wine:
                command = std::make_unique<HttpCommandOverride>(kWineBrowserCommand);
                break;
        }
    }
    std::unique_ptr<ExplorerRegistered> explorer;
    std::unique_ptr<NetscapeRegistered> netscape;
    std::unique_ptr<HttpCommandOverride> command;
    std::unique_ptr<RegistryOverride> emptyKey;
};

constexpr int kInternetControls[] = {IDC_CHKINTERNETHISTORY, IDC_CHKTEMPINTERNET, IDC_CHKCOOKIES,
                                     IDC_CMDCOOKIES, IDC_CHKURLHISTORY};

}  // namespace

TEST(BrowserDetection, EachRegisteredBrowser) {
    struct Case {
        Registered browser;
        const char* display;  // nullptr: detection fails
        const char* code;
        const char* command;
    } cases[] = {
        {Registered::Explorer, "Internet Explorer 6.0", "IE", kExplorerCommand},
        {Registered::ExplorerNoVersion, "Internet Explorer ", "IE", kExplorerCommand},
        {Registered::Netscape, "Netscape 7.1", "NS",
         "\"C:\\Program Files\\Netscape\\Netscape\\Netscp.exe\" -url "},
        {Registered::NetscapeWithoutProduct, nullptr, "before",
         "\"C:\\Program Files\\Netscape\\Netscape\\Netscp.exe\" -url "},
        {Registered::Mozilla, "Unknown Browser", "Unknown Browser",
         "\"C:\\Program Files\\mozilla.org\\Mozilla\\mozilla.exe\" -url "},
        {Registered::Wine, "Unknown Browser", "Unknown Browser",
         "\"C:\\windows\\system32\\winebrowser.exe\" "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Registration registered(c.browser);
        cRegistry registry;
        cSettings settings;
        settings.SetDefaultBrowser("before");
        if (c.display != nullptr) {
            EXPECT_EQ(DetectDefaultBrowser(registry, settings), c.display);
        } else {
            EXPECT_THROW(DetectDefaultBrowser(registry, settings), AppError);
        }
        EXPECT_EQ(settings.DefaultBrowser(), c.code);
        EXPECT_EQ(GetBrowserCommand(registry), c.command);
    }
}

TEST(BrowserDetection, PlaceholderAtTheStartFailsTheCommand) {
    HttpCommandOverride command("%1");
    cRegistry registry;
    EXPECT_THROW(GetBrowserCommand(registry), AppError);
}

using BrowserStartUp = MainWindowTest;

// What start-up shows on the Internet Cleaning page for each browser, with the four internet
// settings stored as True.
TEST_F(BrowserStartUp, PageShowsTheBrowserAndDisablesTheItemsOfAnUnknownOne) {
    struct Case {
        Registered browser;
        const char* caption;
        bool profileControls;
        bool internetItems;
    } cases[] = {
        {Registered::Explorer, "Internet Explorer 6.0", false, true},
        {Registered::Netscape, "Netscape 7.1", true, true},
        {Registered::Mozilla, "Unknown Browser", false, false},
        {Registered::Wine, "Unknown Browser", false, false},
        {Registered::NetscapeWithoutProduct, "IE 6.0", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Registration registered(c.browser);
        ClearStoredSettings();
        StoreAllFlags("True");
        Store("PasswordProtected", "False");
        Store("BrisvanePassword", "");
        Program().nsProfiles.clear();
        frmMain started;
        started.Start();
        ASSERT_TRUE(started.IsLoaded());
        HWND w = started.Handle();
        started.SelectPage(1);
        char caption[64] = {};
        GetDlgItemTextA(w, IDC_LBLBROWSER, caption, sizeof caption);
        EXPECT_STREQ(caption, c.caption);
        EXPECT_EQ(IsWindowVisible(GetDlgItem(w, IDC_CBOPROFILE)) != FALSE, c.profileControls);
        EXPECT_EQ(IsWindowVisible(GetDlgItem(w, IDC_LBLDEFAULT1)) != FALSE, c.profileControls);
        for (int id : kInternetControls) {
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(w, id)) != FALSE, c.internetItems) << id;
        }
        const cSettings& s = started.Settings();
        Boolean on = c.internetItems ? kTrue : kFalse;
        EXPECT_EQ(s.InternetHistory(), on);
        EXPECT_EQ(s.TempInternet(), on);
        EXPECT_EQ(s.InternetCookies(), on);
        EXPECT_EQ(s.InternetURLHistory(), on);
        EXPECT_EQ(IsDlgButtonChecked(w, IDC_CHKCOOKIES) == BST_CHECKED, c.internetItems);
        for (const char* name :
             {"InternetHistory", "TempInternet", "InternetCookies", "InternetURLHistory"}) {
            EXPECT_EQ(Stored(name), "True") << name;
        }
        EXPECT_EQ(Stored("DefaultNSProfile") != "<missing>", c.profileControls);
        EXPECT_TRUE(started.RequestClose());
    }
}
