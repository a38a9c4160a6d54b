// End-to-end: the real Brisvane.exe started with "1" (the log-on start) on a machine holding
// real profiles of three browsers: Google Chrome and Microsoft Edge with two profiles each and
// Firefox with a relative and an absolute one, of which Chrome's "Default" and Firefox's
// relative one are ticked. The run cleans exactly those profiles' parts, keeps their bookmarks,
// passwords and kept site, leaves every other profile byte for byte and tells of it in the
// report. Before, the page and Site Options are looked at, which changes no file. The same run
// cleans Explorer's history lists: their values go, their keys and neighbours stay.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "DatabaseRows.h"
#include "Driver.h"
#include "FirefoxFixture.h"
#include "RegistrySandbox.h"
#include "app/frmMainIds.h"
#include "app/frmProgressIds.h"
#include "chromium/Bookmarks.h"
#include "chromium/CookieDatabase.h"
#include "chromium/SiteKeepList.h"
#include "cookies/frmSiteOptionsIds.h"
#include "files/FileSystem.h"
#include "settings/RegistryPaths.h"

namespace {

const char* kChrome = "\\Google\\Chrome\\User Data";
const char* kEdge = "\\Microsoft\\Edge\\User Data";
const char* kKeptSite = "example.com";
const std::string kUserAssistCount =
    std::string(regpath::kUserAssist) + "\\{CEBFF5CD-ACE2-4F4F-9178-9926F41749EA}\\Count";
const std::string kRemoteComputer = std::string(regpath::kRemoteDesktopServers) + "\\desk.example";

// A value of each kind of Explorer's history lists, as Windows writes them, and a neighbour.
void FillExplorerHistory() {
    const std::vector<std::uint8_t> pidl{8, 0, 0x32, 's', 'e', 'c', 'r', 't', 0, 0};
    const std::vector<std::uint8_t> order{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    for (const std::string& key : {std::string(regpath::kOpenSavePidlMru) + "\\*",
                                   std::string(regpath::kLastVisitedPidlMru)}) {
        WriteRaw(key, "0", REG_BINARY, pidl);
        WriteRaw(key, "MRUListEx", REG_BINARY, order);
    }
    WriteRaw(regpath::kTypedPaths, "url1", REG_SZ, SzBytes("C:\\Secret"));
    WriteRaw(regpath::kMapNetworkDriveMru, "a", REG_SZ, SzBytes("\\\\server\\secret"));
    WriteRaw(regpath::kMapNetworkDriveMru, "MRUList", REG_SZ, SzBytes("a"));
    WriteRaw(kUserAssistCount, "HRZR_PGYFRFFVBA", REG_BINARY, std::vector<std::uint8_t>(72, 1));
    WriteRaw(regpath::kPaintRecentFiles, "File1", REG_SZ, SzBytes("C:\\secret.png"));
    WriteRaw(regpath::kRemoteDesktopDefault, "MRU0", REG_SZ, SzBytes("desk.example"));
    WriteRaw(kRemoteComputer, "UsernameHint", REG_SZ, SzBytes("me"));
    WriteRaw(std::string(regpath::kExplorer) + "\\Advanced", "Hidden", REG_DWORD, {1, 0, 0, 0});
}

void CheckExplorerHistory() {
    for (const std::string& key :
         {std::string(regpath::kOpenSavePidlMru) + "\\*", std::string(regpath::kLastVisitedPidlMru),
          std::string(regpath::kTypedPaths), std::string(regpath::kMapNetworkDriveMru),
          kUserAssistCount, std::string(regpath::kPaintRecentFiles),
          std::string(regpath::kRemoteDesktopDefault)}) {
        HKEY handle = nullptr;
        DWORD values = 1;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) == 0) {
            RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                             nullptr, nullptr, nullptr, nullptr);
            RegCloseKey(handle);
        }
        Check(handle != nullptr && values == 0, key + " is there without values");
    }
    Check(RawKeyExists(HKEY_CURRENT_USER, regpath::kRemoteDesktopServers) &&
              !RawKeyExists(HKEY_CURRENT_USER, kRemoteComputer),
          "the remote computer's key is gone, Servers stays");
    Check(ReadRaw(std::string(regpath::kExplorer) + "\\Advanced", "Hidden").exists,
          "Explorer's settings stay");
}

// Per icon of a page: the page's URL, the icon's and every byte of the icon.
const char* const kChromiumIcons =
    "SELECT m.page_url, f.url, b.width, hex(b.image_data) FROM icon_mapping m"
    " JOIN favicons f ON f.id = m.icon_id JOIN favicon_bitmaps b ON b.icon_id = f.id ORDER BY b.id";
const char* const kFirefoxIcons =
    "SELECT p.page_url, i.icon_url, i.width, hex(i.data) FROM moz_pages_w_icons p"
    " JOIN moz_icons_to_pages l ON l.page_id = p.id JOIN moz_icons i ON i.id = l.icon_id"
    " ORDER BY i.id";

// The rows whose first column is one of `urls`.
std::vector<std::string> RowsOf(const std::vector<std::string>& rows,
                                const std::vector<std::string>& urls) {
    std::vector<std::string> kept;
    for (const std::string& row : rows) {
        if (std::find(urls.begin(), urls.end(), row.substr(0, row.find('|'))) != urls.end())
            kept.push_back(row);
    }
    return kept;
}

// The last column of each row.
std::vector<std::string> LastColumn(const std::vector<std::string>& rows) {
    std::vector<std::string> last;
    for (const std::string& row : rows) last.push_back(row.substr(row.rfind('|') + 1));
    return last;
}

// The entries of the tree whose path starts with `prefix`.
FileTree Below(const FileTree& tree, const std::string& prefix) {
    FileTree part;
    for (const auto& [path, bytes] : tree) {
        if (path.rfind(prefix, 0) == 0) part[path] = bytes;
    }
    return part;
}

void StoreText(const std::string& path, const std::string& name, const char* text) {
    WriteRaw(path, name, REG_SZ, SzBytes(text));
}

// Waits for the run's one report file and returns its text.
std::string WaitReport(const std::string& reports) {
    for (int i = 0; i < 300 && FilesIn(reports).empty(); ++i) Wait(100);
    Wait(500);
    std::vector<std::string> files = FilesIn(reports);
    if (!Check(files.size() == 1, "the run wrote one report file")) return "";
    return ReadBytes(reports + "\\" + files[0]);
}

// The captions the progress window shows until it goes.
std::vector<std::string> WatchProgress(Driver& driver) {
    std::vector<std::string> captions;
    HWND progress = driver.WaitWindow("", 20000);
    bool shot = false;
    for (int i = 0; progress != nullptr && i < 600 && IsWindowVisible(progress); ++i) {
        char text[256] = {};
        GetWindowTextA(GetDlgItem(progress, IDC_LBLPROGRESS), text, sizeof text);
        if (captions.empty() || captions.back() != text) captions.push_back(text);
        if (!shot && captions.back().find("Other Browsers") != std::string::npos) {
            driver.Shot(progress, "progress-other-browsers");
            shot = true;
        }
        Wait(50);
    }
    return captions;
}

// The page lists the four profiles of the two browsers, and Site Options the sites of their
// cookies; a look changes nothing.
void PageAndSiteOptions(Driver& driver) {
    driver.Start();
    HWND main = driver.WaitWindow(kMainTitle);
    if (!Check(main != nullptr, "the main window is shown")) return;
    driver.Shot(main, "general-page");
    Check(IsDlgButtonChecked(main, IDC_CHKEXPLORERHISTORY) == BST_CHECKED,
          "the General page shows Explorer History ticked");
    SelectTab(main, IDC_TABMAIN, 4);
    Wait(300);
    driver.Shot(main, "other-browsers-page");
    Check(SendDlgItemMessageA(main, IDC_LVWBROWSERS, LVM_GETITEMCOUNT, 0, 0) == 6,
          "the page lists the six profiles");
    Click(main, IDC_CMDSITES);
    HWND sites = driver.WaitWindow("Site Options");
    if (Check(sites != nullptr, "Site Options opens")) {
        driver.Shot(sites, "site-options");
        Check(SendDlgItemMessageA(sites, IDC_SITES_LSTSYSTEM, LB_GETCOUNT, 0, 0) > 0,
              "Sites with Cookies lists the profiles' sites");
        Check(SendDlgItemMessageA(sites, IDC_SITES_LSTKEEP, LB_GETCOUNT, 0, 0) == 1,
              "Sites to Keep lists the kept site");
        Click(sites, IDC_SITES_CMDCANCEL);
        Check(driver.WaitGone(sites, 5000), "Cancel closes it");
    }
    Click(main, IDC_CMDCLOSE);
    Check(driver.Exited(10000), "Shut Down ends the program");
}

// The Firefox fixture's bookmarks, read from a copy of its own (SQL leaves files beside a WAL
// database).
// With them, the icon rows of the bookmarked pages.
std::vector<std::string> FirefoxBookmarks(const std::string& fixture, const std::string& work,
                                          std::vector<std::string>& icons) {
    const std::string copy = work + "\\firefox-reference";
    if (Exists(copy)) RemoveFolder(copy, true);
    const FirefoxFolders reference =
        BuildFirefoxFixture(fixture, copy + "\\local", copy + "\\roaming", copy + "\\abs");
    std::vector<std::string> rows = Rows(reference.Relative("places.sqlite"), kFirefoxBookmarks);
    icons = RowsOf(Rows(reference.Relative("favicons.sqlite"), kFirefoxIcons), LastColumn(rows));
    RemoveFolder(copy, true);
    return rows;
}

void CheckTickedProfile(const FileTree& before, const FileTree& after, const std::string& data,
                        const std::vector<std::string>& bookmarkIcons) {
    for (const char* kept : {"Local State", "Default\\Bookmarks", "Default\\Login Data",
                             "Default\\Web Data", "Default\\Preferences"}) {
        Check(after.count(kept) && after.at(kept) == before.at(kept),
              std::string(kept) + " byte for byte");
    }
    for (const char* gone :
         {"Default\\Shortcuts", "Default\\Top Sites",
          "Default\\Sessions\\Session_13441390873788896", "Default\\Cache\\Cache_Data\\index"}) {
        Check(after.count(gone) == 0, std::string(gone) + " deleted");
    }
    const std::string history = data + "\\Default\\History";
    std::vector<std::string> bookmarks = chromium::BookmarkedUrls(before.at("Default\\Bookmarks"));
    std::vector<std::string> urls = Rows(history, "SELECT url FROM urls ORDER BY url");
    Check(!urls.empty() && std::all_of(urls.begin(), urls.end(),
                                       [&](const std::string& url) {
                                           return std::binary_search(bookmarks.begin(),
                                                                     bookmarks.end(), url);
                                       }),
          "History keeps only bookmarked pages (" + std::to_string(urls.size()) + ")");
    Check(Rows(history, "SELECT 1 FROM urls WHERE visit_count + typed_count + last_visit_time")
              .empty(),
          "their counts are 0");
    Check(
        Rows(history, "SELECT 1 FROM visits UNION ALL SELECT 1 FROM keyword_search_terms").empty(),
        "no visit or search term is left");
    Check(after.at("Default\\History").find("www.other.org:18765/gone") == std::string::npos,
          "a deleted address is gone from the file's bytes");
    const std::vector<std::string> icons = Rows(data + "\\Default\\Favicons", kChromiumIcons);
    Check(icons.size() == 4 && RowsOf(icons, bookmarks) == icons,
          "Favicons holds the bookmarked pages' icons alone (" + std::to_string(icons.size()) +
              " rows)");
    Check(icons == bookmarkIcons, "every bookmark's icon byte for byte");
    Check(after.at("Default\\Favicons").find("www.other.org:18765/gone") == std::string::npos,
          "a deleted address is gone from Favicons' bytes");
    for (const char* folder :
         {"Default\\JumpListIconsMostVisited\\", "Default\\JumpListIconsRecentClosed\\"}) {
        Check(after.count(folder) == 1 && Below(after, folder).size() == 1,
              std::string(folder) + " emptied");
    }
    const chromium::SiteKeepList keep({kKeptSite});
    std::vector<std::string> kept;
    for (const std::string& host : chromium::CookieHosts(data + "\\Default\\Cookies")) {
        Check(keep.Keeps(host), "cookie host " + host + " is kept");
        kept.push_back(host);
    }
    Check(!kept.empty(), "the kept site's cookies stay");
}

}  // namespace

void OtherBrowsersAtLogOn(Driver& driver, const std::string& programFolder,
                          const std::string& work) {
    const std::string local = work + "\\Local AppData", roaming = work + "\\AppData";
    for (const std::string& folder :
         {local, roaming, work + "\\Elsewhere", programFolder + "\\Reports"}) {
        if (Exists(folder)) RemoveFolder(folder, true);
    }
    ShellFolderRedirect localRedirect("Local AppData", local);
    ShellFolderRedirect roamingRedirect("AppData", roaming);
    SavedKey browsers(regpath::kBrowsers), sites(regpath::kSites);
    SavedKey explorer(regpath::kExplorer),
        applets("Software\\Microsoft\\Windows\\CurrentVersion\\Applets"),
        remote("Software\\Microsoft\\Terminal Server Client");
    FillExplorerHistory();
    const FileTree fixture = ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data"));
    // The jump list's icons, which only the Windows browsers write.
    FileTree chromeBefore = fixture;
    chromeBefore["Default\\JumpListIconsMostVisited\\8f3a.ico"] = "icon";
    chromeBefore["Default\\JumpListIconsRecentClosed\\5c1d.ico"] = "icon";
    BuildTree(local + kChrome, chromeBefore);
    BuildTree(local + kEdge, fixture);
    const std::vector<std::string> chromeBookmarkIcons =
        RowsOf(Rows(local + kChrome + "\\Default\\Favicons", kChromiumIcons),
               chromium::BookmarkedUrls(fixture.at("Default\\Bookmarks")));
    const std::string firefoxFixture = WindowsPath(BRISVANE_FIXTURES "/firefox");
    std::vector<std::string> firefoxBookmarkIcons;
    const std::vector<std::string> bookmarks =
        FirefoxBookmarks(firefoxFixture, work, firefoxBookmarkIcons);
    const FirefoxFolders firefox =
        BuildFirefoxFixture(firefoxFixture, local, roaming, work + "\\Elsewhere\\abs");
    WriteBytes(firefox.Relative("SiteSecurityServiceState.bin"), "example.com:HSTS");
    WriteBytes(firefox.Relative("SiteSecurityServiceState.txt"), "example.com:HSTS");
    BuildTree(firefox.cache + "\\" + kFirefoxRelative, {{"jumpListCache\\a1.ico", "icon"}});
    const FileTree firefoxBefore = firefox.Read();

    for (const char* part : {"History", "Cookies", "Cache", "Sessions"})
        StoreText(regpath::kBrowsers, part, "True");
    StoreText(regpath::kBrowsers, "Chrome|Default", "True");
    StoreText(regpath::kBrowsers, "Chrome|Profile 1", "False");
    StoreText(regpath::kBrowsers, (std::string("Firefox|") + kFirefoxRelative).c_str(), "True");
    StoreText(regpath::kSites, "Site0", kKeptSite);
    for (const char* flag : {"CleanAtStartUp", "DisplayProgress", "Report", "ExplorerHistory"})
        StoreSetting(flag, "True");

    PageAndSiteOptions(driver);
    const FileTree looked = ReadTree(local + kChrome);
    Check(looked == chromeBefore && ReadTree(local + kEdge) == fixture &&
              firefox.Read() == firefoxBefore,
          "looking changed no file");

    driver.Start("1", false);
    std::vector<std::string> captions = WatchProgress(driver);
    Check(std::find(captions.begin(), captions.end(),
                    "Brisvane is Currently Cleaning: Other Browsers...") != captions.end(),
          "the progress window tells of the other browsers");
    const std::string report = WaitReport(programFolder + "\\Reports");
    std::printf("        report:\n%s", report.c_str());
    driver.Kill();

    const std::string expected =
        "Cleaning Explorer History\r\nCompleted\r\n"
        "Cleaning Google Chrome (Your Chromium)\r\nCompleted\r\n"
        "Cleaning Mozilla Firefox (rel)\r\nCompleted\r\n";
    const std::size_t body = report.find("\r\n") + 2;
    Check(report.substr(body, report.find("END OF") - body) == expected,
          "the report holds exactly the ticked profiles' blocks");
    Check(ReadTree(local + kEdge) == fixture, "Edge's profiles byte for byte");
    const FileTree chrome = ReadTree(local + kChrome);
    Check(Below(chrome, "Profile 1\\") == Below(fixture, "Profile 1\\"),
          "Chrome's unticked profile byte for byte");
    CheckTickedProfile(chromeBefore, chrome, local + kChrome, chromeBookmarkIcons);
    const FileTree firefoxAfter = firefox.Read();
    Check(Below(firefoxAfter, "abs\\") == Below(firefoxBefore, "abs\\"),
          "Firefox's unticked profile byte for byte");
    Check(Rows(firefox.Relative("places.sqlite"), kFirefoxBookmarks) == bookmarks,
          "Firefox's bookmarks as they were (" + std::to_string(bookmarks.size()) + " rows)");
    Check(Count(firefox.Relative("places.sqlite"), "moz_historyvisits") == 0,
          "no Firefox visit is left");
    const std::string favicons = firefox.Relative("favicons.sqlite");
    Check(RowsOf(Rows(favicons, "SELECT page_url FROM moz_pages_w_icons"),
                 Rows(firefox.Relative("places.sqlite"), "SELECT url FROM moz_places"))
                  .size() == static_cast<std::size_t>(Count(favicons, "moz_pages_w_icons")),
          "every page with an icon is a place that remains");
    Check(firefoxBookmarkIcons.size() == 6 &&
              RowsOf(Rows(favicons, kFirefoxIcons), LastColumn(bookmarks)) == firefoxBookmarkIcons,
          "every Firefox bookmark's icon byte for byte (" +
              std::to_string(firefoxBookmarkIcons.size()) + " rows)");
    const std::string iconBytes =
        ReadBytes(favicons) + (Exists(favicons + "-wal") ? ReadBytes(favicons + "-wal") : "");
    Check(iconBytes.find("ff-gone") == std::string::npos &&
              iconBytes.find("mail.example.com") == std::string::npos,
          "a deleted address is gone from favicons.sqlite's bytes");
    Check(firefoxAfter.count("data\\" + std::string(kFirefoxRelative) +
                             "\\SiteSecurityServiceState.bin") == 0 &&
              firefoxAfter.count("data\\" + std::string(kFirefoxRelative) +
                                 "\\SiteSecurityServiceState.txt") == 0 &&
              firefoxAfter.count("cache\\" + std::string(kFirefoxRelative) + "\\jumpListCache\\") ==
                  0,
          "the site-security files and the jump list's cache are gone");
    CheckExplorerHistory();
}
