// The find steps against their clean steps on one sandbox: for each item, what the find step
// listed is exactly what the clean step then removed; and a preview, even of running browsers,
// leaves every file and registry value as it was.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "CookieSandbox.h"
#include "DatabaseRows.h"
#include "FakeUi.h"
#include "FirefoxFixture.h"
#include "RegistrySandbox.h"
#include "Sandbox.h"
#include "app/frmProgress.h"
#include "chromium/SiteKeepList.h"
#include "clean/CleanRoutines.h"
#include "clean/RunClean.h"
#include "settings/BrowserSettings.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

const std::string kChrome = "Google\\Chrome\\User Data";
// The common dialogs' lists, which Explorer History also cleans.
const char* kDialogLists = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32";

// What a source holds, keyed by the detail line a find step gives for it: a file or folder by
// its path (its bytes the member, so a changed file counts as gone), a registry value by
// "HKEY_CURRENT_USER\<key>: <name>", a table's rows by
// "<database>: <table> %n" and a host's cookies by "<database>: cookies of <host> (%n)", %n
// standing for how many of the members went.
using Held = std::map<std::string, std::set<std::string>>;
using Source = std::function<Held()>;

Source Files(std::string root) {
    return [root] {
        Held held;
        for (const auto& [path, bytes] : ReadTree(root)) {
            std::string full = root + "\\" + path;
            if (full.back() == '\\') full.pop_back();
            held[full].insert(bytes);
        }
        return held;
    };
}

// A database file, which a clean changes in place: its rows are what it removes. Firefox's icons
// go by the places that remain after their own clean, so their find step names them uncounted.
bool IsDatabaseFile(const std::string& line) {
    if (line.starts_with("favicons.sqlite: ")) return true;
    for (const char* end :
         {".sqlite", ".sqlite-wal", "\\History", "\\Cookies", "\\Favicons", "-journal"}) {
        if (line.ends_with(end)) return true;
    }
    return false;
}

Source Values(std::string key) {
    return [key] {
        Held held;
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != 0) return held;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD size = sizeof name;
            if (RegEnumValueA(handle, i, name, &size, nullptr, nullptr, nullptr, nullptr) != 0)
                break;
            held["HKEY_CURRENT_USER\\" + key + ": " + std::string(name, size)].insert("");
        }
        RegCloseKey(handle);
        return held;
    };
}

// Every row of every table, read from a copy (with its log) so that reading leaves nothing
// beside the database.
Source Tables(std::string path, std::string label, std::string cookieHosts = "") {
    return [=] {
        SandboxFolder copy("rows");
        const std::string db = copy / "db";
        for (const char* side : {"", "-wal"}) {
            if (Exists(path + side)) WriteBytes(db + side, ReadBytes(path + side));
        }
        Held held;
        for (const std::string& table :
             Rows(db, "SELECT name FROM sqlite_schema WHERE type = 'table'")) {
            if (!cookieHosts.empty() && table == cookieHosts.substr(0, cookieHosts.find('|'))) {
                const std::string host = cookieHosts.substr(cookieHosts.find('|') + 1);
                for (const std::string& row :
                     Rows(db, "SELECT rowid, " + host + " FROM " + table)) {
                    const std::string site =
                        chromium::NormalizedHost(row.substr(row.find('|') + 1));
                    held[label + ": cookies of " + site + " (%n)"].insert(row);
                }
                continue;
            }
            try {
                for (const std::string& row : Rows(db, "SELECT rowid FROM \"" + table + "\"")) {
                    held[label + ": " + table + " %n"].insert(row);
                }
            } catch (const std::exception&) {
                // A table without rowids holds nothing a clean removes.
            }
        }
        return held;
    };
}

// The detail lines of what went between two readings.
std::vector<std::string> Removed(const Held& before, const Held& after) {
    std::vector<std::string> lines;
    for (const auto& [line, members] : before) {
        const auto now = after.find(line);
        std::size_t gone = members.size();
        if (now != after.end()) {
            gone = 0;
            for (const std::string& member : members) gone += now->second.count(member) == 0;
        }
        if (gone == 0) continue;
        const std::size_t mark = line.find("%n");
        lines.push_back(mark == std::string::npos
                            ? line
                            : line.substr(0, mark) + std::to_string(gone) + line.substr(mark + 2));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

Held Read(const std::vector<Source>& sources) {
    Held all;
    for (const Source& source : sources) all.merge(source());
    return all;
}

class PreviewSandbox : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kDialogLists);  // what earlier dialogs left
        BuildTree(temp.Path(), {{"a.tmp", "aa"}, {"sub\\deeper\\b.tmp", "bbb"}, {"sub\\c", "c"}});
        BuildTree(recent.Path(), {{"doc.lnk", "l"}, {"keep\\inner.lnk", "i"}});
        BuildTree(cookies.Path(),
                  {{"index.dat", "i"}, {"user@bank[1].txt", "kept"}, {"user@ads[2].txt", "gone"}});
        BuildTree(cache.Path(), {{"loose.htm", "x"},
                                 {"Content.IE5\\index.dat", "i"},
                                 {"Content.IE5\\AB12CD34\\page[1].htm", "p"},
                                 {"other\\index.dat", "o"},
                                 {"other\\img.gif", "g"}});
        KeepListKeys::Store(kIEKeepKey, {"user@bank[1].txt"});
        for (const char* key : {regpath::kRunMru, regpath::kDocFindSpecMru, regpath::kTypedUrls,
                                regpath::kTypedPaths, regpath::kPaintRecentFiles}) {
            CreateRawKey(key);
            WriteRaw(key, "a", REG_SZ, SzBytes("notepad"));
            WriteRaw(key, "MRUList", REG_SZ, SzBytes("a"));
        }
        BuildTree(local / kChrome, ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data")));
        firefox = BuildFirefoxFixture(WindowsPath(BRISVANE_FIXTURES "/firefox"), local.Path(),
                                      roaming.Path(), elsewhere.Path());
        for (const char* part : regpath::kBrowserPartValues) SaveBrowserPart(registry, part, true);
        SaveProfileTick(registry, "Chrome", "Default", true);
        SaveProfileTick(registry, "Firefox", kFirefoxRelative, true);
        SaveSites(registry, {"example.com"});
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kBrowsers);
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSites);
    }
    std::string Profile(const std::string& file) const {
        return local / (kChrome + "\\Default\\" + file);
    }
    // Everything a preview or clean may reach: files, registry values, database rows.
    std::vector<Source> Everything() const {
        std::vector<Source> all = {Files(temp.Path()),          Files(recent.Path()),
                                   Files(cookies.Path()),       Files(cache.Path()),
                                   Files(local.Path()),         Files(roaming.Path()),
                                   Values(regpath::kRunMru),    Values(regpath::kDocFindSpecMru),
                                   Values(regpath::kTypedUrls), Values(kIEKeepKey)};
        return all;
    }

    SandboxFolder temp{"preview-temp"};
    SandboxFolder recent{"preview-recent"};
    SandboxFolder cookies{"preview-cookies"};
    SandboxFolder cache{"preview-cache"};
    SandboxFolder local{"preview-local"};
    SandboxFolder roaming{"preview-roaming"};
    SandboxFolder elsewhere{"preview-abs"};
    TempRedirect tempRedirect{temp.Path() + "\\"};
    RecentRedirect recentRedirect{recent.Path()};
    CookieFolderRedirect cookieRedirect{cookies.Path()};
    CacheRedirect cacheRedirect{cache.Path()};
    ShellFolderRedirect localRedirect{"Local AppData", local.Path()};
    ShellFolderRedirect roamingRedirect{"AppData", roaming.Path()};
    SavedKey savedRun{regpath::kRunMru}, savedFind{regpath::kDocFindSpecMru},
        savedTyped{regpath::kTypedUrls}, savedPaths{regpath::kTypedPaths},
        savedPaint{regpath::kPaintRecentFiles}, savedDialogs{kDialogLists};
    KeepListKeys keepLists;
    FirefoxFolders firefox;
    cRegistry registry;
};

}  // namespace

TEST_F(PreviewSandbox, EachItemsCleanRemovesExactlyWhatItsFindListed) {
    const std::string fx = firefox.data + "\\" + kFirefoxRelative + "\\";
    const struct {
        CleanItem item;
        std::vector<Source> sources;
    } cases[] = {
        {CleanItem::RunHistory, {Values(regpath::kRunMru)}},
        {CleanItem::FindSearchHistory, {Values(regpath::kDocFindSpecMru), Files(recent.Path())}},
        {CleanItem::ExplorerHistory,
         {Values(regpath::kTypedPaths), Values(regpath::kPaintRecentFiles)}},
        {CleanItem::TempFiles, {Files(temp.Path())}},
        {CleanItem::InternetCookies, {Files(cookies.Path()), Values(kIEKeepKey)}},
        {CleanItem::TempInternetFiles, {Files(cache.Path())}},
        {CleanItem::InternetURLHistory, {Values(regpath::kTypedUrls)}},
        {CleanItem::OtherBrowsers,
         {Files(local.Path()), Files(roaming.Path()), Tables(Profile("History"), "History"),
          Tables(Profile("Favicons"), "Favicons"),
          Tables(Profile("Cookies"), "Cookies", "cookies|host_key"),
          Tables(fx + "places.sqlite", "places.sqlite"),
          Tables(fx + "formhistory.sqlite", "formhistory.sqlite"),
          Tables(fx + "cookies.sqlite", "cookies.sqlite", "moz_cookies|host")}},
    };
    cSettings settings;
    settings.SetDefaultBrowser("IE");
    for (const auto& c : cases) {
        SCOPED_TRACE(ItemInfo(c.item).title);
        CleanContext context{registry, settings, "IE", "", LoadOtherBrowsersRun(registry)};
        const Held before = Read(c.sources);
        std::vector<FoundRow> rows = FindOneItem(c.item, context);
        ASSERT_FALSE(rows.empty());
        std::vector<std::string> found;
        std::string report;
        for (FoundRow& row : rows) {
            found.insert(found.end(), row.findings.found.begin(), row.findings.found.end());
            row.clean(report);
        }
        std::vector<std::string> removed = Removed(before, Read(c.sources));
        std::erase_if(removed, IsDatabaseFile);
        std::erase_if(found, IsDatabaseFile);
        std::sort(found.begin(), found.end());
        EXPECT_FALSE(found.empty());
        EXPECT_EQ(removed, found) << report;
    }
}

TEST_F(PreviewSandbox, APreviewChangesNothingAndCountsARunningBrowserAsItIs) {
    FakeUi ui;
    cSettings settings;
    settings.SetDefaultBrowser("IE");
    for (auto set : {&cSettings::SetRun, &cSettings::SetFindSearch, &cSettings::SetTempFiles,
                     &cSettings::SetInternetCookies, &cSettings::SetTempInternet,
                     &cSettings::SetInternetURLHistory, &cSettings::SetDisplayProgress})
        (settings.*set)(kTrue);
    WriteBytes(local / (kChrome + "\\lockfile"), "");
    WriteBytes(firefox.Relative("parent.lock"), "");
    for (const bool running : {false, true}) {
        SCOPED_TRACE(running ? "running" : "closed");
        const Held before = Read(Everything());
        std::map<std::string, std::string> found;
        {
            std::optional<HeldOpen> chrome, fox;
            if (running) {
                chrome.emplace(local / (kChrome + "\\lockfile"), GENERIC_WRITE, FILE_SHARE_READ);
                fox.emplace(firefox.Relative("parent.lock"));
            }
            frmProgress progress;
            for (const PreviewRow& row : RunPreview(registry, settings, progress).rows)
                found[row.name] = FoundText(row.findings, UserNumberFormats());
        }
        EXPECT_EQ(Removed(before, Read(Everything())), std::vector<std::string>{});
        EXPECT_EQ(Read(Everything()), before);
        const std::string note = running ? " (running - close it, then clean again)" : "";
        EXPECT_EQ(found["Run History"], "2 entries");
        EXPECT_EQ(found["Internet Cookies"], "1 files; 1 sites kept");
        EXPECT_EQ(found["Temp Files"], "3 files, 2 folders");
        const std::string chrome = found["Google Chrome (Your Chromium)"];
        const std::string fox = found["Mozilla Firefox (rel)"];
        EXPECT_TRUE(chrome.find(" pages, ") != std::string::npos && chrome.ends_with(note) &&
                    chrome.find("sites kept") != std::string::npos)
            << chrome;
        EXPECT_TRUE(fox.find(" visits") != std::string::npos && fox.ends_with(note)) << fox;
    }
}
