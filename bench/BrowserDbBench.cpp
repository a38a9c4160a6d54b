// Times the cleaning of Chromium-family databases against a minimal program that runs the
// same SQL through SQLite in one transaction with secure delete, on identical copies, under
// the same Wine:
// - History: 100,000 urls, 300,000 visits, 1,000 bookmarked pages (all among the urls);
// - Cookies: 20,000 rows on 5,000 hosts, a keep-list of 1,000 sites (500 of them present).
// The minimal program is given the answer (the urls to keep, the hosts to delete) as SQL text.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "DatabaseBench.h"
#include "chromium/CookieDatabase.h"
#include "chromium/HistoryDatabase.h"
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

namespace {

constexpr int kUrls = 100000;
constexpr int kVisits = 300000;
constexpr int kBookmarks = 1000;
constexpr int kCookies = 20000;
constexpr int kHosts = 5000;
constexpr int kSites = 1000;

std::string Url(int n) {
    return "https://site" + std::to_string(n % 7000) + ".example/page/" + std::to_string(n);
}
std::string Host(int n) {
    return (n % 2 ? "." : "www.") + std::string("host") + std::to_string(n) + ".test";
}
// Sites 0, 10, 20 … are present as hosts; the other half are not.
std::string Site(int i) {
    return i < kSites / 2 ? "host" + std::to_string(i * 10) + ".test"
                          : "absent" + std::to_string(i) + ".test";
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

void MakeHistory(const std::string& path) {
    sqlite::Database db(path, sqlite::OpenMode::Create);
    db.Execute(
        "CREATE TABLE meta (key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);"
        "CREATE TABLE urls (id INTEGER PRIMARY KEY AUTOINCREMENT, url LONGVARCHAR, title "
        "LONGVARCHAR, visit_count INTEGER DEFAULT 0 NOT NULL, typed_count INTEGER DEFAULT 0 NOT "
        "NULL, last_visit_time INTEGER NOT NULL, hidden INTEGER DEFAULT 0 NOT NULL);"
        "CREATE INDEX urls_url_index ON urls (url);"
        "CREATE TABLE visits (id INTEGER PRIMARY KEY AUTOINCREMENT, url INTEGER NOT NULL, "
        "visit_time INTEGER NOT NULL, from_visit INTEGER, transition INTEGER DEFAULT 0 NOT NULL, "
        "segment_id INTEGER, visit_duration INTEGER DEFAULT 0 NOT NULL);"
        "CREATE INDEX visits_url_index ON visits (url);"
        "CREATE INDEX visits_time_index ON visits (visit_time);"
        "CREATE TABLE keyword_search_terms (keyword_id INTEGER NOT NULL, url_id INTEGER NOT NULL, "
        "term LONGVARCHAR NOT NULL, normalized_term LONGVARCHAR NOT NULL);"
        "CREATE TABLE segments (id INTEGER PRIMARY KEY, name VARCHAR, url_id INTEGER NON NULL);"
        "INSERT INTO meta VALUES ('version', '70')");
    sqlite::Transaction transaction(db);
    sqlite::Statement url = db.Prepare("INSERT INTO urls VALUES (NULL, ?1, ?1, 3, 1, ?2, 0)");
    for (int n = 0; n < kUrls; ++n) {
        url.Bind(1, Url(n)).Bind(2, 13400000000000000LL + n).Run();
        url.Reset();
    }
    sqlite::Statement visit =
        db.Prepare("INSERT INTO visits VALUES (NULL, ?1, ?2, 0, 805306368, 0, 0)");
    for (int n = 0; n < kVisits; ++n) {
        visit.Bind(1, n % kUrls + 1).Bind(2, 13400000000000000LL + n).Run();
        visit.Reset();
    }
    sqlite::Statement term = db.Prepare("INSERT INTO keyword_search_terms VALUES (2, ?1, ?2, ?2)");
    for (int n = 0; n < kUrls; n += 10) {
        term.Bind(1, n + 1).Bind(2, "search " + std::to_string(n)).Run();
        term.Reset();
    }
    transaction.Commit();
}

void MakeCookies(const std::string& path) {
    sqlite::Database db(path, sqlite::OpenMode::Create);
    db.Execute(
        "CREATE TABLE cookies (creation_utc INTEGER NOT NULL, host_key TEXT NOT NULL, "
        "top_frame_site_key TEXT NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL, "
        "encrypted_value BLOB NOT NULL, path TEXT NOT NULL, expires_utc INTEGER NOT NULL, "
        "is_secure INTEGER NOT NULL, is_httponly INTEGER NOT NULL, last_access_utc INTEGER NOT "
        "NULL, has_expires INTEGER NOT NULL, is_persistent INTEGER NOT NULL, priority INTEGER "
        "NOT NULL, samesite INTEGER NOT NULL, source_scheme INTEGER NOT NULL, source_port "
        "INTEGER NOT NULL, last_update_utc INTEGER NOT NULL, source_type INTEGER NOT NULL, "
        "has_cross_site_ancestor INTEGER NOT NULL);"
        "CREATE UNIQUE INDEX cookies_unique_index ON cookies(host_key, top_frame_site_key, "
        "has_cross_site_ancestor, name, path, source_scheme, source_port)");
    sqlite::Transaction transaction(db);
    sqlite::Statement cookie = db.Prepare(
        "INSERT INTO cookies VALUES (?1, ?2, '', ?3, '', randomblob(40), '/', 0, 1, 1, 0, 1, 1, "
        "1, 0, 2, 443, 0, 0, 0)");
    for (int n = 0; n < kCookies; ++n) {
        cookie.Bind(1, 13400000000000000LL + n)
            .Bind(2, Host(n % kHosts))
            .Bind(3, std::to_string(n))
            .Run();
        cookie.Reset();
    }
    transaction.Commit();
}

// The urls of the benchmark's bookmarks, and in `quotedList` the same as an SQL list.
std::vector<std::string> BookmarkedUrls(std::string& quotedList) {
    std::vector<std::string> bookmarks;
    for (int i = 0; i < kBookmarks; ++i) {
        bookmarks.push_back(Url(i * (kUrls / kBookmarks)));
        if (i != 0) quotedList += ",";
        quotedList += Quoted(bookmarks.back());
    }
    return bookmarks;
}

void BenchHistory(const std::string& root, int rounds) {
    const std::string original = root + "\\History.original", work = root + "\\History";
    MakeHistory(original);
    std::string kept;
    const std::vector<std::string> bookmarks = BookmarkedUrls(kept);
    const std::string sql =
        "DELETE FROM visits; DELETE FROM keyword_search_terms; DELETE FROM segments;"
        "DELETE FROM urls WHERE url NOT IN (" +
        kept +
        ");"
        "UPDATE urls SET visit_count = 0, typed_count = 0, last_visit_time = 0;";
    Compare(
        "History: 100,000 urls, 300,000 visits, 1,000 bookmarks", original, work, rounds,
        [&] {
            // A run counts first (the find step), then cleans.
            chromium::CountHistoryDatabase(work, sqlite::OpenMode::Unchanged, bookmarks);
            chromium::CleanHistoryDatabase(work, bookmarks);
        },
        [&] { Minimal(work, sql); });
}

// The History find step against a minimal program running the same counts on the same file.
void BenchHistoryPreview(const std::string& root, int rounds) {
    const std::string path = root + "\\History.preview";
    DeleteFileA(path.c_str());
    MakeHistory(path);
    std::string kept;
    const std::vector<std::string> bookmarks = BookmarkedUrls(kept);
    const std::string counts[] = {"SELECT count(*) FROM visits",
                                  "SELECT count(*) FROM keyword_search_terms",
                                  "SELECT count(*) FROM segments",
                                  "SELECT count(*) FROM urls WHERE url NOT IN (" + kept + ")",
                                  "SELECT count(*) FROM urls WHERE url IN (" + kept + ")"};
    double find = 0, minimal = 0;
    long long pages = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((round + turn) % 2 == 0) {
                find += Seconds([&] {
                    pages =
                        chromium::CountHistoryDatabase(path, sqlite::OpenMode::Unchanged, bookmarks)
                            .pages;
                });
            } else {
                minimal += Seconds([&] {
                    sqlite::Database db(path, sqlite::OpenMode::ReadOnly);
                    for (const std::string& sql : counts) db.QueryText(sql);
                });
            }
        }
    }
    Check(pages == kUrls - kBookmarks, "the find step counts the pages that go");
    std::printf(
        "History preview: 100,000 urls, 300,000 visits, 1,000 bookmarks; %d round(s)\n"
        "  Brisvane %7.3f s\n  minimal  %7.3f s\n  ratio    %7.2f (target <= 1.20)\n",
        rounds, find / rounds, minimal / rounds, find / minimal);
    DeleteFileA(path.c_str());
}

void BenchCookies(const std::string& root, int rounds) {
    const std::string original = root + "\\Cookies.original", work = root + "\\Cookies";
    MakeCookies(original);
    std::vector<std::string> sites;
    for (int i = 0; i < kSites; ++i) sites.push_back(Site(i));
    const chromium::SiteKeepList keep(sites);
    std::string doomed;
    for (int n = 0; n < kHosts; ++n) {
        if (keep.Keeps(Host(n))) continue;
        if (!doomed.empty()) doomed += ",";
        doomed += Quoted(Host(n));
    }
    const std::string sql = "DELETE FROM cookies WHERE host_key IN (" + doomed + ");";
    Compare(
        "Cookies: 20,000 rows on 5,000 hosts, 1,000 kept sites", original, work, rounds,
        [&] { chromium::CleanCookieDatabase(work, chromium::SiteKeepList(sites)); },
        [&] { Minimal(work, sql); });
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const std::string only = argc > 2 ? argv[2] : "";
    const std::string root = SandboxFolder("bench-browser-db");
    CreateDirectoryA(root.c_str(), nullptr);
    if (only == "preview") {
        BenchHistoryPreview(root, rounds);
    } else {
        if (only != "cookies") BenchHistory(root, rounds);
        if (only != "history") BenchCookies(root, rounds);
    }
    RemoveDirectoryA(root.c_str());
    return 0;
}
