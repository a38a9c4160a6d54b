// The "Other Browsers" page of the main window and the site keep-list window, on the fixture
// profiles made by the real browser, copied into sandbox application-data folders.
#include <functional>
#include <optional>
#include <set>

#include "MainWindowTesting.h"
#include "ModalScript.h"
#include "Sandbox.h"
#include "cookies/frmSiteOptions.h"
#include "cookies/frmSiteOptionsIds.h"
#include "settings/BrowserSettings.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"
#include "sqlite/Database.h"

namespace {

using Names = std::vector<std::string>;

const std::string kChrome = "Google\\Chrome\\User Data";
const std::string kOpera = "Opera Software\\Opera Stable";

const FileTree& Fixture() {
    static const FileTree tree = ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data"));
    return tree;
}

// The fixture without its first profile: a second browser whose sites differ.
FileTree ProfileOneOnly() {
    FileTree tree;
    for (const auto& [path, bytes] : Fixture()) {
        if (path.rfind("Default\\", 0) != 0) tree[path] = bytes;
    }
    return tree;
}

// Application-data folders of the sandbox, found through the shell folders.
struct BrowserFolders {
    SandboxFolder local{"local-appdata"};
    SandboxFolder roaming{"roaming-appdata"};
    ShellFolderRedirect localRedirect{"Local AppData", local.Path()};
    ShellFolderRedirect roamingRedirect{"AppData", roaming.Path()};
};

std::vector<bool> PartBoxes(HWND page) {
    return {IsChecked(page, IDC_CHKBROWSERHISTORY), IsChecked(page, IDC_CHKBROWSERCOOKIES),
            IsChecked(page, IDC_CHKBROWSERCACHE), IsChecked(page, IDC_CHKBROWSERSESSIONS)};
}

// The kept sites as stored: Site0, Site1, ... up to the first missing value.
Names StoredSites() {
    Names sites;
    for (int i = 0;; ++i) {
        std::string text = ReadRawText(regpath::kSites, "Site" + std::to_string(i));
        if (text == "<missing>") return sites;
        sites.push_back(text);
    }
}

class OtherBrowsersPage : public MainWindowTest {
  protected:
    BrowserFolders folders;
    cRegistry registry;
};

}  // namespace

TEST_F(OtherBrowsersPage, ListsTheFoundProfilesWithTheirStoredTicks) {
    const struct {
        const char* name;
        bool chrome;
        Names rows;
        std::vector<bool> parts;  // History, Cookies, Cache, Sessions
    } cases[] = {
        {"fixture",
         true,
         {"Google Chrome|Your Chromium|-", "Google Chrome|Person 1|x"},
         {true, true, false, false}},
        {"no browser", false, {"No other browser found||"}, {true, true, true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearStoredSettings();
        BrowserFolders own;
        if (c.chrome) {
            BuildTree(own.local / kChrome, Fixture());
            WriteRaw(regpath::kBrowsers, "Chrome|Profile 1", REG_SZ, SzBytes("True"));
            WriteRaw(regpath::kBrowsers, "Cache", REG_SZ, SzBytes("False"));
        }
        frmMain page;
        page.Start();
        page.SelectPage(4);
        EXPECT_EQ(ListViewRows(page.Handle(), IDC_LVWBROWSERS, 2), c.rows);
        EXPECT_EQ(PartBoxes(page.Handle()), c.parts);
        // A tick of the first row is stored at once; the line without a check box stores none.
        SetListViewCheck(page.Handle(), IDC_LVWBROWSERS, 0, true);
        EXPECT_EQ(LoadTickedProfiles(registry).count("Chrome|Default"), c.chrome ? 1u : 0u);
        EXPECT_TRUE(page.RequestClose());
    }
}

TEST_F(OtherBrowsersPage, IsTheFifthPageAndStoresEveryTickAtOnce) {
    BuildTree(folders.local / kChrome, Fixture());
    window.Start();
    ClickTab(4);
    EXPECT_EQ(StatusText(), "Choose Other Browsers for Cleaning");
    for (int id : {IDC_FRABROWSERS, IDC_LVWBROWSERS, IDC_CHKBROWSERHISTORY, IDC_CHKBROWSERCOOKIES,
                   IDC_CMDSITES, IDC_CHKBROWSERCACHE, IDC_CHKBROWSERSESSIONS, IDC_LBLGUIDE4}) {
        EXPECT_TRUE(IsShown(window.Handle(), id)) << id;
    }
    EXPECT_FALSE(IsShown(window.Handle(), IDC_FRANORMAL));
    using Ticks = std::set<std::string>;
    const struct {
        const char* name;
        std::function<void()> act;
        Ticks ticked;
        BrowserParts parts;
    } steps[] = {
        {"tick Default",
         [&] { SetListViewCheck(window.Handle(), IDC_LVWBROWSERS, 0, true); },
         {"Chrome|Default"},
         {true, true, true, false}},
        {"tick Profile 1",
         [&] { SetListViewCheck(window.Handle(), IDC_LVWBROWSERS, 1, true); },
         {"Chrome|Default", "Chrome|Profile 1"},
         {true, true, true, false}},
        {"clear Default",
         [&] { SetListViewCheck(window.Handle(), IDC_LVWBROWSERS, 0, false); },
         {"Chrome|Profile 1"},
         {true, true, true, false}},
        {"History",
         [&] { UserClick(IDC_CHKBROWSERHISTORY); },
         {"Chrome|Profile 1"},
         {false, true, true, false}},
        {"Cookies",
         [&] { UserClick(IDC_CHKBROWSERCOOKIES); },
         {"Chrome|Profile 1"},
         {false, false, true, false}},
        {"Cache",
         [&] { UserClick(IDC_CHKBROWSERCACHE); },
         {"Chrome|Profile 1"},
         {false, false, false, false}},
        {"Sessions",
         [&] { UserClick(IDC_CHKBROWSERSESSIONS); },
         {"Chrome|Profile 1"},
         {false, false, false, true}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(LoadTickedProfiles(registry), step.ticked);
        EXPECT_EQ(LoadBrowserParts(registry), step.parts);
    }
    ModalScript script;
    script.Then("Site Options", [](HWND sites) { Click(sites, IDC_SITES_CMDCANCEL); });
    UserClick(IDC_CMDSITES);
    EXPECT_TRUE(script.Done());
}

namespace {

class SiteOptions : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSites); }
    void TearDown() override {
        window.Unload();
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSites);
    }
    void Open() {
        window.SetRegObject(registry);
        window.Load();
        ASSERT_TRUE(window.IsLoaded());
    }
    Names Entries(int id) const { return ListEntries(window.Handle(), id); }
    std::string Running() const { return TextOf(window.Handle(), IDC_SITES_LBLRUNNING); }
    // The enabled states of Add, Remove and Apply.
    std::vector<bool> Buttons() const {
        HWND w = window.Handle();
        return {IsEnabled(w, IDC_SITES_CMDADD), IsEnabled(w, IDC_SITES_CMDREMOVE),
                IsEnabled(w, IDC_SITES_CMDAPPLY)};
    }
    std::string ChromeData() const { return folders.local / kChrome; }

    BrowserFolders folders;
    FakeUi ui;
    cRegistry registry;
    frmSiteOptions window;
};

const Names kFixtureSites{"evil.net",         "example.com",    "example.com.evil.net",
                          "mail.example.com", "notexample.com", "other.org",
                          "www.other.org"};

}  // namespace

TEST_F(SiteOptions, ListsTheProfilesSitesAndSavesTheKeepListOnlyOnApplyOrOk) {
    BuildTree(ChromeData(), Fixture());
    WriteRaw(regpath::kSites, "Site0", REG_SZ, SzBytes("old.org"));
    Open();
    EXPECT_EQ(Entries(IDC_SITES_LSTSYSTEM), kFixtureSites);
    EXPECT_EQ(Running(), "");
    EXPECT_EQ(Entries(IDC_SITES_LSTKEEP), Names{"old.org"});
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, false}));
    // Opening read the databases without changing a byte or leaving a file beside them.
    EXPECT_EQ(ReadTree(ChromeData()), Fixture());

    HWND w = window.Handle();
    const struct {
        const char* name;
        std::function<void()> act;
        Names keep;
        std::vector<bool> buttons;  // Add, Remove, Apply
        Names stored;
    } steps[] = {
        {"add a listed site",
         [&] {
             SelectEntry(w, IDC_SITES_LSTSYSTEM, 1);
             Press(w, IDC_SITES_CMDADD);
         },
         {"old.org", "example.com"},
         {true, true, true},
         {"old.org"}},
        {"add it again",
         [&] { Press(w, IDC_SITES_CMDADD); },
         {"old.org", "example.com"},
         {true, true, true},
         {"old.org"}},
        {"add a typed site",
         [&] {
             TypeText(w, IDC_SITES_TXTSITE, " ..Shop.Example.ORG ");
             Press(w, IDC_SITES_CMDADD);
         },
         {"old.org", "example.com", "shop.example.org"},
         {true, true, true},
         {"old.org"}},
        {"remove",
         [&] {
             SelectEntry(w, IDC_SITES_LSTKEEP, 0);
             Press(w, IDC_SITES_CMDREMOVE);
         },
         {"example.com", "shop.example.org"},
         {true, true, true},
         {"old.org"}},
        {"apply",
         [&] { Press(w, IDC_SITES_CMDAPPLY); },
         {"example.com", "shop.example.org"},
         {true, true, false},
         {"example.com", "shop.example.org"}},
        {"remove all",
         [&] {
             Press(w, IDC_SITES_CMDREMOVE);
             Press(w, IDC_SITES_CMDREMOVE);
         },
         {},
         {true, false, true},
         {"example.com", "shop.example.org"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(Entries(IDC_SITES_LSTKEEP), step.keep);
        EXPECT_EQ(Buttons(), step.buttons);
        EXPECT_EQ(StoredSites(), step.stored);
    }
    EXPECT_EQ(TextOf(w, IDC_SITES_TXTSITE), "");
    Press(w, IDC_SITES_CMDCANCEL);  // the removals are not saved
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(StoredSites(), (Names{"example.com", "shop.example.org"}));

    Open();  // OK saves what Apply has not
    EXPECT_EQ(Entries(IDC_SITES_LSTKEEP), (Names{"example.com", "shop.example.org"}));
    Press(window.Handle(), IDC_SITES_CMDADD);
    Press(window.Handle(), IDC_SITES_CMDOK);
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(StoredSites(), (Names{"example.com", "shop.example.org", "evil.net"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SiteOptions, ARunningBrowsersDatabasesAreSkippedAndTheWindowNamesIt) {
    BuildTree(ChromeData(), Fixture());
    BuildTree(folders.roaming / kOpera, ProfileOneOnly());
    WriteBytes(ChromeData() + "\\lockfile", "");
    WriteBytes(folders.roaming / (kOpera + "\\lockfile"), "");
    const Names operaSites{"example.com", "other.org", "www.other.org"};
    const struct {
        const char* name;
        bool holdChrome, holdOpera, lockDatabase;
        const char* running;
        Names sites;
    } cases[] = {
        {"none runs", false, false, false, "", kFixtureSites},
        {"Chrome holds its lock file", true, false, false, "Close Google Chrome to list its sites.",
         operaSites},
        {"both hold their lock files",
         true,
         true,
         false,
         "Close Google Chrome and Opera to list their sites.",
         {}},
        {"Chrome holds a database locked", false, false, true,
         "Close Google Chrome to list its sites.", operaSites},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<HeldOpen> chrome, opera;
        if (c.holdChrome)
            chrome.emplace(ChromeData() + "\\lockfile", GENERIC_WRITE, FILE_SHARE_READ);
        if (c.holdOpera)
            opera.emplace(folders.roaming / (kOpera + "\\lockfile"), GENERIC_WRITE,
                          FILE_SHARE_READ);
        std::optional<sqlite::Database> locked;
        if (c.lockDatabase) {
            locked.emplace(ChromeData() + "\\Default\\Cookies", sqlite::OpenMode::ReadWrite);
            locked->Execute("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE");
        }
        Open();
        EXPECT_EQ(Running(), c.running);
        EXPECT_EQ(Entries(IDC_SITES_LSTSYSTEM), c.sites);
        EXPECT_EQ(IsEnabled(window.Handle(), IDC_SITES_CMDADD), !c.sites.empty());
        window.Unload();
    }
    EXPECT_TRUE(ui.messages.empty());
}
