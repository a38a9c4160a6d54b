// The browsers of the "Other Browsers" page on real files: the fixture profiles made by the real
// browser are copied into sandbox application-data folders, found through the shell folders,
// and cleaned part by part with their report blocks.
#include <gtest/gtest.h>

#include <optional>

#include "DatabaseRows.h"
#include "FakeUi.h"
#include "FirefoxFixture.h"
#include "RegistrySandbox.h"
#include "Sandbox.h"
#include "app/frmProgress.h"
#include "browser/FirefoxProfiles.h"
#include "browser/OtherBrowsers.h"
#include "clean/CleanOtherBrowsers.h"
#include "clean/RunClean.h"
#include "files/FileSystem.h"
#include "settings/BrowserSettings.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

const std::string kChrome = "Google\\Chrome\\User Data";

FileTree FixtureUserData() {
    return ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data"));
}

// The entries of the tree whose path starts with `prefix`.
FileTree Below(const FileTree& tree, const std::string& prefix) {
    FileTree part;
    for (const auto& [path, bytes] : tree) {
        if (path.rfind(prefix, 0) == 0) part[path] = bytes;
    }
    return part;
}

class OtherBrowsers : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kBrowsers); }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kBrowsers);
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSites);
    }
    std::string ChromeData() const { return local / kChrome; }
    std::string Clean() {
        std::string report;
        CleanOtherBrowsers(LoadOtherBrowsersRun(registry), report);
        return report;
    }
    void TickAll(bool cache = true, bool sessions = true) {
        SaveBrowserPart(registry, "History", true);
        SaveBrowserPart(registry, "Cookies", true);
        SaveBrowserPart(registry, "Cache", cache);
        SaveBrowserPart(registry, "Sessions", sessions);
    }

    SandboxFolder local{"local-appdata"};
    SandboxFolder roaming{"roaming-appdata"};
    ShellFolderRedirect localRedirect{"Local AppData", local.Path()};
    ShellFolderRedirect roamingRedirect{"AppData", roaming.Path()};
    const FileTree fixture = FixtureUserData();
    cRegistry registry;
};

}  // namespace

TEST_F(OtherBrowsers, ProfilesComeFromLocalStateElseFromTheProfileFolders) {
    BuildTree(ChromeData(), fixture);
    FileTree noLocalState = fixture;
    noLocalState.erase("Local State");
    noLocalState["Profile 7\\"] = "";  // no Preferences: not a profile
    noLocalState["Profile x\\Preferences"] = "{}";
    BuildTree(roaming / "Opera Software\\Opera Stable", noLocalState);

    std::vector<std::string> seen;
    for (const FoundProfile& found : FindBrowserProfiles(registry)) {
        seen.push_back(std::string(found.browser->code) + "|" + found.profile.folder + "|" +
                       found.Title() + "|" + found.cacheRoot);
    }
    const std::string operaCache = local / "Opera Software\\Opera Stable";
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Chrome|Default|Google Chrome (Your Chromium)|" + ChromeData(),
                        "Chrome|Profile 1|Google Chrome (Person 1)|" + ChromeData(),
                        "Opera|Default|Opera (Default)|" + operaCache,
                        "Opera|Profile 1|Opera (Profile 1)|" + operaCache,
                    }));
}

TEST_F(OtherBrowsers, SettingsStartAsDocumentedAndKeepTicksAndSites) {
    EXPECT_EQ(LoadBrowserParts(registry), (BrowserParts{true, true, true, false}));
    EXPECT_EQ(ReadRawText(regpath::kBrowsers, "Sessions"), "False");
    SaveBrowserPart(registry, "Sessions", true);
    SaveProfileTick(registry, "Edge", "Profile 1", true);
    SaveProfileTick(registry, "Chrome", "Default", false);
    EXPECT_EQ(LoadBrowserParts(registry), (BrowserParts{true, true, true, true}));
    EXPECT_EQ(LoadTickedProfiles(registry), (std::set<std::string>{"Edge|Profile 1"}));
    const std::vector<std::string> sites{"example.com", "100%_sure.org"};
    SaveSites(registry, sites);
    EXPECT_EQ(LoadSites(registry), sites);
    EXPECT_EQ(ReadRawText(regpath::kSites, "Site1"), "100%_sure.org");
    SaveSites(registry, {});
    EXPECT_TRUE(LoadSites(registry).empty());
}

TEST_F(OtherBrowsers, ATickedProfileLosesItsTracesAndNothingElse) {
    BuildTree(ChromeData(), fixture);
    TickAll();
    SaveProfileTick(registry, "Chrome", "Default", true);
    SaveSites(registry, {"example.com"});

    EXPECT_EQ(Clean(), "Cleaning Google Chrome (Your Chromium)\r\nCompleted\r\n");
    const FileTree after = ReadTree(ChromeData());
    EXPECT_EQ(Below(after, "Profile 1\\"), Below(fixture, "Profile 1\\"));
    for (const char* kept : {"Local State", "Default\\Bookmarks", "Default\\Login Data",
                             "Default\\Web Data", "Default\\Preferences"}) {
        EXPECT_EQ(after.at(kept), fixture.at(kept)) << kept;
    }
    for (const char* gone : {"Default\\Shortcuts", "Default\\Top Sites",
                             "Default\\Sessions\\Session_13441390873788896",
                             "Default\\Cache\\Cache_Data\\index", "Default\\Code Cache\\js\\"}) {
        EXPECT_EQ(after.count(gone), 0u) << gone;
    }
    EXPECT_EQ(after.count("Default\\Sessions\\"), 1u);
    EXPECT_EQ(after.count("Default\\Cache\\Cache_Data\\"), 1u);
    EXPECT_EQ(after.at("Default\\History").find("www.other.org:18765/gone"), std::string::npos);
    EXPECT_NE(after.at("Default\\History").find("www.other.org:18765/saved"), std::string::npos);
    EXPECT_EQ(after.at("Default\\Cookies").find("notexample.com"), std::string::npos);
}

TEST_F(OtherBrowsers, ARunningBrowserOrADamagedDatabaseIsToldAndLeftAsItWas) {
    struct Case {
        const char* name;
        bool hold;
        bool damage;
        const char* report;
    };
    const Case cases[] = {
        {"running", true, false,
         "Cleaning Google Chrome (Person 1)\r\n"
         "Error: Google Chrome is running - close it, then clean again\r\n"},
        {"damaged", false, true,
         "Cleaning Google Chrome (Person 1)\r\n"
         "Error: database disk image is malformed\r\n"},
    };
    TickAll(false, false);
    SaveProfileTick(registry, "Chrome", "Profile 1", true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileTree tree = fixture;
        tree["lockfile"] = "";
        if (c.damage) tree["Profile 1\\Cookies"].replace(100, 400, 400, '\x5a');
        BuildTree(ChromeData(), tree);
        const FileTree before = ReadTree(ChromeData());
        {
            std::optional<HeldOpen> lock;
            if (c.hold) lock.emplace(ChromeData() + "\\lockfile");
            EXPECT_EQ(Clean(), c.report);
        }
        EXPECT_EQ(ReadTree(ChromeData()), before);
        RemoveFolder(ChromeData(), true);
    }
}

TEST_F(OtherBrowsers, AProfileAndAPartTickedMakeTheTenthItemOfARun) {
    struct Case {
        const char* name;
        const char* profile;  // the stored tick, "" for none
        bool parts;
        const char* block;  // "" when the run has nothing to clean
    };
    const Case cases[] = {
        {"profile and part", "Chrome|Profile 1", true,
         "Cleaning Google Chrome (Person 1)\r\nCompleted\r\n"},
        {"no part", "Chrome|Profile 1", false, ""},
        {"no profile", "", true, ""},
        {"a profile not found", "Edge|Default", true, ""},
    };
    BuildTree(ChromeData(), fixture);
    FakeUi ui;
    frmProgress progress;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kBrowsers);
        for (const char* part : regpath::kBrowserPartValues)
            SaveBrowserPart(registry, part, c.parts);
        if (*c.profile != '\0') WriteRaw(regpath::kBrowsers, c.profile, REG_SZ, SzBytes("True"));
        cSettings settings;
        const std::string report = RunClean(registry, settings, kTrue, progress);
        if (*c.block == '\0') {
            EXPECT_EQ(report, "");
            continue;
        }
        const std::size_t body = report.find("\r\n") + 2;
        EXPECT_EQ(report.substr(body, report.find("END OF") - body), c.block);
    }
}

TEST_F(OtherBrowsers, FirefoxProfilesComeFromProfilesIniAndStayInsideTheirFolder) {
    SandboxFolder elsewhere{"firefox-elsewhere"};
    const std::string firefox = roaming / "Mozilla\\Firefox";
    const std::string inside = firefox + "\\Kept\\inside.x";
    BuildTree(firefox, {{"profiles.ini",
                         "[Install308046B0AF4A39CB]\r\nDefault=Gone/z.old\r\n"
                         "[Profile2]\r\nName=outside\r\nIsRelative=0\r\nPath=" +
                             elsewhere.Path() +
                             "\r\n"
                             "[Profile0]\r\nName=default-esr\r\nIsRelative=1\r\n"
                             "Path=Profiles/abc.default-esr\r\nDefault=1\r\n"
                             "[Profile1]\r\nName=inside\r\nIsRelative=0\r\nPath=" +
                             inside +
                             "\r\n"
                             "[Profile3]\r\nName=escape\r\nIsRelative=1\r\n"
                             "Path=../../escape\r\n"
                             "[Profile4]\r\nName=gone\r\nIsRelative=1\r\n"
                             "Path=Profiles/gone\r\n"},
                        {"Profiles\\abc.default-esr\\", ""},
                        {"Kept\\inside.x\\", ""},
                        {"..\\..\\escape\\", ""}});
    std::vector<std::string> seen;
    for (const FoundProfile& found : FindFirefoxProfiles(UserAppDataFolders(registry))) {
        seen.push_back(found.Title() + "|" + found.profile.folder + "|" + found.Folder() + "|" +
                       found.CacheFolder());
    }
    const std::string cache = local / "Mozilla\\Firefox";
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Mozilla Firefox (default-esr)|Profiles/abc.default-esr|" + firefox +
                            "\\Profiles\\abc.default-esr|" + cache + "\\Profiles\\abc.default-esr",
                        "Mozilla Firefox (outside)|" + elsewhere.Path() + "|" + elsewhere.Path() +
                            "|" + elsewhere.Path(),
                        "Mozilla Firefox (inside)|" + inside + "|" + inside + "|" + cache +
                            "\\Kept\\inside.x",
                    }));
}

TEST_F(OtherBrowsers, AFirefoxProfileLosesItsHistoryButNoBookmarkAndNothingOfTheOther) {
    std::vector<std::string> bookmarks;
    const std::string fixture = WindowsPath(BRISVANE_FIXTURES "/firefox");
    {
        // Read by SQL in a copy of its own, as reading leaves files beside a WAL database.
        SandboxFolder copy{"firefox-reference"};
        const FirefoxFolders reference =
            BuildFirefoxFixture(fixture, copy / "local", copy / "roaming", copy / "abs");
        bookmarks = Rows(reference.Relative("places.sqlite"), kFirefoxBookmarks);
    }
    SandboxFolder elsewhere{"firefox-abs"};
    const FirefoxFolders firefox =
        BuildFirefoxFixture(fixture, local.Path(), roaming.Path(), elsewhere.Path());
    // What only the Windows browser writes: the sites visited over HTTPS, the jump list's icons.
    WriteBytes(firefox.Relative("SiteSecurityServiceState.bin"), "example.com:HSTS");
    BuildTree(firefox.cache, {{std::string(kFirefoxRelative) + "\\jumpListCache\\a.ico", "i"}});
    const FileTree before = firefox.Read();
    TickAll();
    SaveProfileTick(registry, "Firefox", "26ru2y2w.rel", true);
    SaveSites(registry, {"example.com"});
    WriteBytes(firefox.Relative("parent.lock"), "");
    {
        HeldOpen running(firefox.Relative("parent.lock"));
        EXPECT_EQ(Clean(),
                  "Cleaning Mozilla Firefox (rel)\r\n"
                  "Error: Mozilla Firefox is running - close it, then clean again\r\n");
    }
    FileTree expected = before;
    expected["data\\26ru2y2w.rel\\parent.lock"] = "";
    EXPECT_EQ(firefox.Read(), expected);

    EXPECT_EQ(Clean(), "Cleaning Mozilla Firefox (rel)\r\nCompleted\r\n");
    const FileTree after = firefox.Read();
    EXPECT_EQ(Below(after, "abs\\"), Below(before, "abs\\"));
    for (const char* kept :
         {"data\\profiles.ini", "data\\26ru2y2w.rel\\prefs.js", "data\\26ru2y2w.rel\\times.json"}) {
        EXPECT_EQ(after.at(kept), before.at(kept)) << kept;
    }
    for (const char* gone : {"data\\26ru2y2w.rel\\sessionstore.jsonlz4",
                             "data\\26ru2y2w.rel\\sessionstore-backups\\recovery.jsonlz4",
                             "cache\\26ru2y2w.rel\\cache2\\entries\\",
                             "data\\26ru2y2w.rel\\SiteSecurityServiceState.bin",
                             "cache\\26ru2y2w.rel\\jumpListCache\\"}) {
        EXPECT_EQ(after.count(gone), 0u) << gone;
    }
    EXPECT_EQ(after.count("cache\\26ru2y2w.rel\\cache2\\"), 1u);
    const std::string places = firefox.Relative("places.sqlite");
    EXPECT_EQ(Rows(places, kFirefoxBookmarks), bookmarks);
    EXPECT_EQ(Count(places, "moz_historyvisits"), 0);
    EXPECT_EQ(after.at("data\\26ru2y2w.rel\\favicons.sqlite").find("ff-gone"), std::string::npos);
    EXPECT_EQ(Rows(firefox.Relative("cookies.sqlite"),
                   "SELECT DISTINCT host FROM moz_cookies ORDER BY host"),
              (std::vector<std::string>{".example.com", "example.com", "mail.example.com"}));
}
