#include "firefox/FaviconsDatabase.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace firefox {

namespace {

const char* const kTables[] = {"moz_icons", "moz_pages_w_icons", "moz_icons_to_pages"};

// In this order: the links of the pages that go, the pages, then the icons nothing uses any
// more. temp.kept_pages lists the remaining places' URLs, temp.kept_site_icons the URLs of the
// site icons of their hosts.
const char* const kDeletes[] = {
    "DELETE FROM main.moz_icons_to_pages WHERE page_id IN (SELECT id FROM main.moz_pages_w_icons"
    " WHERE page_url NOT IN (SELECT value FROM temp.kept_pages))",
    "DELETE FROM main.moz_pages_w_icons WHERE page_url NOT IN (SELECT value FROM temp.kept_pages)",
    "DELETE FROM main.moz_icons WHERE id NOT IN"
    " (SELECT icon_id FROM main.moz_icons_to_pages WHERE icon_id IS NOT NULL)"
    " AND NOT (root = 1 AND icon_url IN (SELECT value FROM temp.kept_site_icons))",
};

// The URLs of the site icons whose host one of `placeUrls` has.
std::vector<std::string> KeptSiteIcons(sqlite::Database& db,
                                       const std::vector<std::string>& placeUrls) {
    std::set<std::string> hosts;
    for (const std::string& url : placeUrls) hosts.insert(SiteIconHost(url));
    hosts.erase("");
    std::vector<std::string> kept;
    sqlite::Statement icons =
        db.Prepare("SELECT DISTINCT icon_url FROM main.moz_icons WHERE root = 1");
    while (icons.Step()) {
        std::string url = icons.ColumnText(0);
        if (hosts.count(SiteIconHost(url)) != 0) kept.push_back(std::move(url));
    }
    return kept;
}

}  // namespace

std::vector<std::string> PlaceUrls(const std::string& path) {
    sqlite::Database db(path, sqlite::OpenMode::ReadWrite);
    sqlite::Statement query = db.Prepare("SELECT url FROM main.moz_places");
    std::vector<std::string> urls;
    while (query.Step()) urls.push_back(query.ColumnText(0));
    return urls;
}

std::string SiteIconHost(const std::string& url) {
    const std::size_t scheme = url.find("://");
    if (scheme == std::string::npos) return "";
    const std::size_t start = scheme + 3;
    std::string host = url.substr(start, url.find_first_of("/?#", start) - start);
    const std::size_t user = host.rfind('@');
    if (user != std::string::npos) host.erase(0, user + 1);
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (host.rfind("www.", 0) == 0) host.erase(0, 4);
    return host;
}

void CleanFaviconsDatabase(const std::string& path, const std::vector<std::string>& placeUrls) {
    sqlite::Database db = chromium::OpenForCleaning(path);
    for (const char* table : kTables) {
        if (!chromium::HasTable(db, table)) return;
    }
    sqlite::Transaction transaction(db);
    chromium::CreateTempList(db, "kept_pages", placeUrls);
    chromium::CreateTempList(db, "kept_site_icons", KeptSiteIcons(db, placeUrls));
    for (const char* sql : kDeletes) db.Execute(sql);
    transaction.Commit();
    chromium::FinishCleaning(db);
}

}  // namespace firefox
