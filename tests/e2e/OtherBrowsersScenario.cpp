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
#include "ExplorerHistoryKeys.h"
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
std::vector<std::string> FirefoxBookmarks(const std::string& fixture, const std::string& work) {
    const std::string copy = work + "\\firefox-reference";
    if (Exists(copy)) RemoveFolder(copy, true);
    const FirefoxFolders reference =
        BuildFirefoxFixture(fixture, copy + "\\local", copy + "\\roaming", copy + "\\abs");
    std::vector<std::string> rows = Rows(reference.Relative("places.sqlite"), kFirefoxBookmarks);
    RemoveFolder(copy, true);
    return rows;
}

void CheckTickedProfile(const FileTree& before, const FileTree& after, const std::string& data) {
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
    for (const char* file : {"Default\\History", "Default\\Favicons"}) {
        Check(after.at(file).find("www.other.org:18765/gone") == std::string::npos,
              std::string("a deleted address is gone from the bytes of ") + file);
    }
    Check(Rows(data + "\\Default\\Favicons",
               "SELECT DISTINCT page_url FROM icon_mapping ORDER BY 1") ==
              std::vector<std::string>{"http://example.com:18765/kept",
                                       "http://www.other.org:18765/saved"},
          "Favicons keeps the icons of the bookmarked pages alone");
    Check(after.count("Default\\JumpListIconsMostVisited\\") == 1 &&
              after.count("Default\\JumpListIconsMostVisited\\5c1d.ico") == 0,
          "the jump list's icons are gone, their folder stays");
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
    SavedExplorerKeys explorer;
    FileTree fixture = ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data"));
    BuildTree(local + kChrome, fixture);
    BuildTree(local + kEdge, fixture);
    // What only the Windows browsers write: the jump list's icons, the sites visited over HTTPS.
    for (const char* browser : {kChrome, kEdge})
        BuildTree(local + browser, {{"Default\\JumpListIconsMostVisited\\5c1d.ico", "icon"}});
    fixture = ReadTree(local + kChrome);
    const std::string firefoxFixture = WindowsPath(BRISVANE_FIXTURES "/firefox");
    const std::vector<std::string> bookmarks = FirefoxBookmarks(firefoxFixture, work);
    const FirefoxFolders firefox =
        BuildFirefoxFixture(firefoxFixture, local, roaming, work + "\\Elsewhere\\abs");
    WriteBytes(firefox.Relative("SiteSecurityServiceState.bin"), "example.com:HSTS");
    BuildTree(firefox.cache, {{std::string(kFirefoxRelative) + "\\jumpListCache\\a.ico", "i"}});
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
    Check(
        looked == fixture && ReadTree(local + kEdge) == fixture && firefox.Read() == firefoxBefore,
        "looking changed no file");
    FillExplorerKeys(false);
    const std::string emptied = ExplorerRegistryText();
    FillExplorerKeys(true);

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
    CheckTickedProfile(fixture, chrome, local + kChrome);
    const FileTree firefoxAfter = firefox.Read();
    Check(Below(firefoxAfter, "abs\\") == Below(firefoxBefore, "abs\\"),
          "Firefox's unticked profile byte for byte");
    Check(Rows(firefox.Relative("places.sqlite"), kFirefoxBookmarks) == bookmarks,
          "Firefox's bookmarks as they were (" + std::to_string(bookmarks.size()) + " rows)");
    Check(Count(firefox.Relative("places.sqlite"), "moz_historyvisits") == 0,
          "no Firefox visit is left");
    const std::string favicons = firefox.Relative("favicons.sqlite");
    Check(ReadBytes(favicons).find("ff-gone") == std::string::npos &&
              Count(favicons, "moz_pages_w_icons") == 7,
          "favicons.sqlite keeps the icons of the 7 remaining places alone");
    const std::string profile = std::string(kFirefoxRelative) + "\\";
    Check(firefoxAfter.count("data\\" + profile + "SiteSecurityServiceState.bin") == 0 &&
              firefoxAfter.count("cache\\" + profile + "jumpListCache\\") == 0,
          "the site-security file and the jump list's cache are gone");
    Check(ExplorerRegistryText() == emptied,
          "Explorer's history values are gone; their keys, neighbours and the settings stay");
}
