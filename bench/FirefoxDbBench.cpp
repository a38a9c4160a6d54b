// Times the cleaning of Firefox's places.sqlite against a minimal program that runs the same SQL
// through SQLite in one transaction with secure delete, on identical copies, under the same
// Wine: 100,000 places on 7,000 sites, 300,000 visits, 1,000 bookmarked places, with input
// history, annotations and page-view records, in Firefox's own schema (WAL, 32 KiB pages). A
// second comparison gives the minimal program the page cache the clean sets.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "BenchSupport.h"
#include "DatabaseBench.h"
#include "firefox/PlacesDatabase.h"
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

namespace {

constexpr int kPlaces = 100000;
constexpr int kVisits = 300000;
constexpr int kBookmarks = 1000;
constexpr int kSites = 7000;

const char* const kSchema =
    "PRAGMA page_size = 32768; PRAGMA journal_mode = WAL;"
    "CREATE TABLE moz_origins (id INTEGER PRIMARY KEY, prefix TEXT NOT NULL, host TEXT NOT NULL,"
    " frecency INTEGER NOT NULL, recalc_frecency INTEGER NOT NULL DEFAULT 0, alt_frecency"
    " INTEGER, recalc_alt_frecency INTEGER NOT NULL DEFAULT 0, block_until_ms INTEGER,"
    " block_pages_until_ms INTEGER, UNIQUE (prefix, host));"
    "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR,"
    " rev_host LONGVARCHAR, visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL,"
    " typed INTEGER DEFAULT 0 NOT NULL, frecency INTEGER DEFAULT -1 NOT NULL, last_visit_date"
    " INTEGER, guid TEXT, foreign_count INTEGER DEFAULT 0 NOT NULL, url_hash INTEGER DEFAULT 0"
    " NOT NULL, description TEXT, preview_image_url TEXT, site_name TEXT, origin_id INTEGER"
    " REFERENCES moz_origins(id), recalc_frecency INTEGER NOT NULL DEFAULT 0, alt_frecency"
    " INTEGER, recalc_alt_frecency INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX moz_places_url_hashindex ON moz_places (url_hash);"
    "CREATE INDEX moz_places_hostindex ON moz_places (rev_host);"
    "CREATE INDEX moz_places_visitcount ON moz_places (visit_count);"
    "CREATE INDEX moz_places_frecencyindex ON moz_places (frecency);"
    "CREATE INDEX moz_places_lastvisitdateindex ON moz_places (last_visit_date);"
    "CREATE UNIQUE INDEX moz_places_guid_uniqueindex ON moz_places (guid);"
    "CREATE INDEX moz_places_originidindex ON moz_places (origin_id);"
    "CREATE INDEX moz_places_altfrecencyindex ON moz_places (alt_frecency);"
    "CREATE TABLE moz_places_extra (place_id INTEGER PRIMARY KEY NOT NULL, sync_json TEXT);"
    "CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, from_visit INTEGER, place_id"
    " INTEGER, visit_date INTEGER, visit_type INTEGER, session INTEGER, source INTEGER DEFAULT"
    " 0 NOT NULL, triggeringPlaceId INTEGER);"
    "CREATE TABLE moz_historyvisits_extra (visit_id INTEGER PRIMARY KEY NOT NULL, sync_json"
    " TEXT);"
    "CREATE INDEX moz_historyvisits_placedateindex ON moz_historyvisits (place_id, visit_date);"
    "CREATE INDEX moz_historyvisits_fromindex ON moz_historyvisits (from_visit);"
    "CREATE INDEX moz_historyvisits_dateindex ON moz_historyvisits (visit_date);"
    "CREATE TABLE moz_inputhistory (place_id INTEGER NOT NULL, input LONGVARCHAR NOT NULL,"
    " use_count INTEGER, PRIMARY KEY (place_id, input));"
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL,"
    " parent INTEGER, position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type"
    " TEXT, dateAdded INTEGER, lastModified INTEGER, guid TEXT, syncStatus INTEGER NOT NULL"
    " DEFAULT 0, syncChangeCounter INTEGER NOT NULL DEFAULT 1);"
    "CREATE INDEX moz_bookmarks_itemindex ON moz_bookmarks (fk, type);"
    "CREATE INDEX moz_bookmarks_parentindex ON moz_bookmarks (parent, position);"
    "CREATE UNIQUE INDEX moz_bookmarks_guid_uniqueindex ON moz_bookmarks (guid);"
    "CREATE TABLE moz_keywords (id INTEGER PRIMARY KEY AUTOINCREMENT, keyword TEXT UNIQUE,"
    " place_id INTEGER, post_data TEXT);"
    "CREATE TABLE moz_anno_attributes (id INTEGER PRIMARY KEY, name VARCHAR(32) UNIQUE NOT"
    " NULL);"
    "CREATE TABLE moz_annos (id INTEGER PRIMARY KEY, place_id INTEGER NOT NULL,"
    " anno_attribute_id INTEGER, content LONGVARCHAR, flags INTEGER DEFAULT 0, expiration"
    " INTEGER DEFAULT 0, type INTEGER DEFAULT 0, dateAdded INTEGER DEFAULT 0, lastModified"
    " INTEGER DEFAULT 0);"
    "CREATE UNIQUE INDEX moz_annos_placeattributeindex ON moz_annos (place_id,"
    " anno_attribute_id);"
    "CREATE TABLE moz_meta (key TEXT PRIMARY KEY, value NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE moz_places_metadata (id INTEGER PRIMARY KEY, place_id INTEGER NOT NULL,"
    " referrer_place_id INTEGER, created_at INTEGER NOT NULL DEFAULT 0, updated_at INTEGER NOT"
    " NULL DEFAULT 0, total_view_time INTEGER NOT NULL DEFAULT 0, typing_time INTEGER NOT NULL"
    " DEFAULT 0, key_presses INTEGER NOT NULL DEFAULT 0, scrolling_time INTEGER NOT NULL"
    " DEFAULT 0, scrolling_distance INTEGER NOT NULL DEFAULT 0, document_type INTEGER NOT NULL"
    " DEFAULT 0, search_query_id INTEGER);"
    "CREATE UNIQUE INDEX moz_places_metadata_placecreated_uniqueindex ON moz_places_metadata"
    " (place_id, created_at);"
    "CREATE TABLE moz_places_metadata_search_queries (id INTEGER PRIMARY KEY, terms TEXT NOT"
    " NULL UNIQUE);"
    "INSERT INTO moz_anno_attributes VALUES (1, 'downloads/destinationFileURI')";

// The same statements the clean runs on this schema, as one text.
const char* const kMinimalSql =
    "DELETE FROM moz_historyvisits; DELETE FROM moz_historyvisits_extra;"
    "DELETE FROM moz_inputhistory; DELETE FROM moz_places_metadata;"
    "DELETE FROM moz_places_metadata_search_queries;"
    "DELETE FROM moz_places WHERE foreign_count = 0;"
    "DELETE FROM moz_annos WHERE place_id NOT IN (SELECT id FROM moz_places);"
    "DELETE FROM moz_places_extra WHERE place_id NOT IN (SELECT id FROM moz_places);"
    "DELETE FROM moz_origins WHERE id NOT IN"
    " (SELECT origin_id FROM moz_places WHERE origin_id IS NOT NULL);"
    "UPDATE moz_places SET visit_count = 0, typed = 0, last_visit_date = NULL, frecency ="
    " CASE WHEN url BETWEEN 'place:' AND 'place:' || X'FFFF' THEN 0 ELSE 1 END,"
    " recalc_frecency = 1, alt_frecency = NULL, recalc_alt_frecency = 1;"
    "UPDATE moz_origins SET recalc_frecency = 1, recalc_alt_frecency = 1;";

std::string Host(int site) { return "site" + std::to_string(site) + ".example"; }

void Insert(sqlite::Database& db, const std::string& sql, int count,
            const std::function<void(sqlite::Statement&, int)>& bind) {
    sqlite::Statement insert = db.Prepare(sql);
    for (int n = 0; n < count; ++n) {
        bind(insert, n);
        insert.Run();
        insert.Reset();
    }
}

void MakePlaces(const std::string& path) {
    sqlite::Database db(path, sqlite::OpenMode::Create);
    db.Execute(kSchema);
    sqlite::Transaction transaction(db);
    Insert(db, "INSERT INTO moz_origins VALUES (?1, 'https://', ?2, 100, 0, NULL, 0, NULL, NULL)",
           kSites, [](sqlite::Statement& s, int n) { s.Bind(1, n + 1).Bind(2, Host(n)); });
    // Every hundredth place is bookmarked.
    Insert(db,
           "INSERT INTO moz_places (id, url, title, rev_host, visit_count, typed, frecency,"
           " last_visit_date, guid, foreign_count, url_hash, origin_id) VALUES (?1, ?2, ?2,"
           " ?3, 3, 1, 2000, ?4, ?5, ?6, ?1 * 7919, ?7)",
           kPlaces, [](sqlite::Statement& s, int n) {
               int site = n % kSites;
               std::string host = Host(site);
               std::reverse(host.begin(), host.end());
               s.Bind(1, n + 1)
                   .Bind(2, "https://" + Host(site) + "/page/" + std::to_string(n))
                   .Bind(3, host + ".")
                   .Bind(4, 1700000000000000LL + n)
                   .Bind(5, "guid" + std::to_string(n))
                   .Bind(6, n % (kPlaces / kBookmarks) == 0 ? 1 : 0)
                   .Bind(7, site + 1);
           });
    Insert(db,
           "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, guid) VALUES"
           " (?1, 1, ?2, 3, ?1, 'bookmark', ?3)",
           kBookmarks, [](sqlite::Statement& s, int n) {
               s.Bind(1, n + 1)
                   .Bind(2, n * (kPlaces / kBookmarks) + 1)
                   .Bind(3, "bm" + std::to_string(n));
           });
    Insert(db, "INSERT INTO moz_historyvisits VALUES (?1, ?2, ?3, ?4, 1, 0, 0, NULL)", kVisits,
           [](sqlite::Statement& s, int n) {
               s.Bind(1, n + 1).Bind(2, n).Bind(3, n % kPlaces + 1).Bind(4, 1700000000000000LL + n);
           });
    Insert(db, "INSERT INTO moz_places_metadata (place_id, created_at) VALUES (?1, ?2)",
           kVisits / 3, [](sqlite::Statement& s, int n) {
               s.Bind(1, n % kPlaces + 1).Bind(2, 1700000000000LL + n);
           });
    Insert(db, "INSERT INTO moz_inputhistory VALUES (?1, ?2, 1)", kPlaces / 10,
           [](sqlite::Statement& s, int n) {
               s.Bind(1, n * 10 + 1).Bind(2, "typed " + std::to_string(n));
           });
    Insert(db, "INSERT INTO moz_annos (place_id, anno_attribute_id, content) VALUES (?1, 1, ?2)",
           kPlaces / 50, [](sqlite::Statement& s, int n) {
               s.Bind(1, n * 50 + 1).Bind(2, "file:///C:/Downloads/file" + std::to_string(n));
           });
    transaction.Commit();
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const std::string root = SandboxFolder("bench-firefox-db");
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string original = root + "\\places.original", work = root + "\\places.sqlite";
    MakePlaces(original);
    Compare(
        "places.sqlite: 100,000 places, 300,000 visits, 1,000 bookmarks", original, work, rounds,
        [&] { firefox::CleanPlacesDatabase(work); }, [&] { Minimal(work, kMinimalSql); });
    // SQLite's default page cache (2 MiB, 64 of Firefox's pages) makes the minimal program spill
    // pages to the -wal file again and again; given the page cache the clean uses, it shows what
    // the clean's integrity check and checkpoint cost.
    MakePlaces(original);
    Compare(
        "The same, the minimal program with the clean's 64 MiB page cache", original, work, rounds,
        [&] { firefox::CleanPlacesDatabase(work); },
        [&] { Minimal(work, std::string("PRAGMA cache_size = -65536;") + kMinimalSql); });
    RemoveDirectoryA(root.c_str());
    return 0;
}
