#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "BrowserFixture.h"
#include "DatabaseRows.h"
#include "chromium/ChromiumError.h"
#include "firefox/CookieDatabase.h"
#include "firefox/FaviconsDatabase.h"
#include "firefox/FormHistory.h"
#include "firefox/PlacesDatabase.h"
#include "firefox/ProfileLayout.h"

namespace {

using Texts = std::vector<std::string>;

const char* const kBookmarks =
    "SELECT b.*, p.url FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk ORDER BY b.id";
const char* const kKeywords =
    "SELECT k.*, p.url FROM moz_keywords k JOIN moz_places p ON p.id = k.place_id ORDER BY k.id";

fixture::fs::path CopyOfProfileFile(const fixture::Scratch& scratch, const char* file) {
    return scratch.CopyOf(fixture::FirefoxProfile() / file, file);
}

void Execute(const fixture::fs::path& db, const std::string& sql) {
    sqlite::Database(db.string(), sqlite::OpenMode::ReadWrite).Execute(sql);
}

}  // namespace

// On the database as Firefox wrote it, with history rows the tour made none of (and a bookmarked
// "place:" query), and as an older version without some tables and columns would have it.
// Another connection keeps the database open with pages of every URL in its -wal file.
TEST(FirefoxPlaces, HistoryGoesBookmarksStayAsTheyWere) {
    // g and k: the ids of a page that goes and of the bookmarked one.
    const std::string extra =
        "CREATE TEMP TABLE p AS SELECT max(CASE WHEN url LIKE '%/ff-gone' THEN id END) AS g,"
        " max(CASE WHEN url LIKE '%/ff-kept' THEN id END) AS k FROM moz_places;"
        "INSERT INTO moz_inputhistory SELECT g, 'brisvane typed input', 1 FROM p;"
        "INSERT INTO moz_inputhistory SELECT k, 'kept input', 1 FROM p;"
        "INSERT INTO moz_anno_attributes VALUES (1, 'test/anno');"
        "INSERT INTO moz_annos (place_id, anno_attribute_id, content)"
        " SELECT g, 1, 'gone annotation' FROM p UNION ALL SELECT k, 1, 'kept annotation' FROM p;"
        "INSERT INTO moz_places_extra SELECT g, 'gone sync' FROM p UNION ALL"
        " SELECT k, 'kept sync' FROM p;"
        "INSERT INTO moz_places_metadata_search_queries VALUES (1, 'brisvane query');"
        "UPDATE moz_places_metadata SET search_query_id = 1 WHERE place_id = (SELECT g FROM p);"
        "INSERT INTO moz_places (url, guid, foreign_count, frecency) VALUES"
        " ('place:sort=8&maxResults=10', 'placequery01', 1, 50);"
        "INSERT INTO moz_bookmarks (type, fk, parent, position, title, guid) VALUES (1,"
        " (SELECT id FROM moz_places WHERE guid = 'placequery01'), 3, 1, 'Most', 'placebmark01')";
    const std::string older =
        "DROP TABLE moz_places_metadata; DROP TABLE moz_places_metadata_search_queries;"
        "DROP TABLE moz_newtab_shortcuts_interaction; DROP TABLE moz_historyvisits_extra;"
        "DROP INDEX moz_places_altfrecencyindex; ALTER TABLE moz_places DROP alt_frecency;"
        "ALTER TABLE moz_places DROP recalc_alt_frecency;"
        "ALTER TABLE moz_origins DROP recalc_alt_frecency";
    struct Case {
        const char* what;
        std::string before;
        Texts gone;
        Texts annos;
    } cases[] = {
        {"as written", "", {}, {}},
        {"more history",
         extra,
         {"brisvane typed input", "kept input", "gone annotation", "gone sync", "brisvane query"},
         {"kept annotation"}},
        {"older version", older, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fixture::Scratch scratch;
        fixture::fs::path places = CopyOfProfileFile(scratch, firefox::kPlaces);
        Execute(places, "PRAGMA secure_delete = ON;" + c.before);
        Texts bookmarks = Rows(places, kBookmarks), keywords = Rows(places, kKeywords);
        Texts kept = Rows(places, "SELECT url FROM moz_places WHERE foreign_count > 0");
        ASSERT_EQ(kept.size(), c.annos.empty() ? 7u : 8u);
        sqlite::Database browser(places.string(), sqlite::OpenMode::ReadWrite);
        browser.Execute(
            "PRAGMA wal_autocheckpoint = 0; UPDATE moz_places SET title = title || '.'");
        Texts gone = c.gone;
        for (const char* text :
             {"/ff-gone", "mail.example.com", "notexample.com:18765", "moc.elpmaxeton."})
            gone.push_back(text);
        ASSERT_NE(fixture::ReadBytes(places.string() + "-wal").find("/ff-gone"), std::string::npos);

        firefox::CleanPlacesDatabase(places.string());

        EXPECT_EQ(Rows(places, kBookmarks), bookmarks);
        EXPECT_EQ(Rows(places, kKeywords), keywords);
        EXPECT_EQ(Rows(places, "SELECT url FROM moz_places"), kept);
        EXPECT_EQ(Rows(places,
                       "SELECT DISTINCT substr(url, 1, 6) = 'place:', visit_count, typed,"
                       " last_visit_date, frecency, recalc_frecency FROM moz_places"),
                  (c.annos.empty() ? Texts{"0|0|0||1|1"} : Texts{"0|0|0||1|1", "1|0|0||0|1"}));
        EXPECT_EQ(Rows(places, "SELECT prefix || host FROM moz_origins ORDER BY id"),
                  (Texts{"https://support.mozilla.org", "https://www.mozilla.org",
                         "http://example.com:18765", "http://www.other.org:18765"}));
        EXPECT_EQ(Rows(places, "SELECT content FROM moz_annos"), c.annos);
        for (const char* table : {"moz_historyvisits", "moz_inputhistory"})
            EXPECT_EQ(Count(places, table), 0) << table;
        std::string bytes =
            fixture::ReadBytes(places) + fixture::ReadBytes(places.string() + "-wal");
        for (const std::string& text : gone) EXPECT_EQ(bytes.find(text), std::string::npos) << text;
    }
}

// A Firefox that died after a commit leaves it in the -wal file alone; SQLite reads it there,
// so a page bookmarked in that commit stays.
TEST(FirefoxPlaces, CommittedWalIsReadNotDeleted) {
    fixture::Scratch scratch;
    fixture::fs::path places = CopyOfProfileFile(scratch, firefox::kPlaces);
    fixture::fs::path crashed = scratch.Path() / "crashed", torn = scratch.Path() / "torn";
    {
        sqlite::Database browser(places.string(), sqlite::OpenMode::ReadWrite);
        browser.Execute(
            "PRAGMA wal_autocheckpoint = 0;"
            "UPDATE moz_places SET foreign_count = 1 WHERE url LIKE '%/ff-gone'");
        fixture::WriteBytes(crashed, fixture::ReadBytes(places));
        fixture::WriteBytes(torn, fixture::ReadBytes(places));
        fixture::WriteBytes(crashed.string() + "-wal",
                            fixture::ReadBytes(places.string() + "-wal"));
    }
    const std::string query = "SELECT count(*) FROM moz_places WHERE url LIKE '%/ff-gone'";
    firefox::CleanPlacesDatabase(torn.string());
    ASSERT_EQ(Rows(torn, query), Texts{"0"});

    firefox::CleanPlacesDatabase(crashed.string());

    EXPECT_EQ(Rows(crashed, query), Texts{"1"});
}

// The icons of the places that remain stay byte for byte (the bookmark never visited's too), and
// so does the site icon of a host that a remaining place has; nothing of a page that went stays
// in the file or its -wal, where another connection holds a copy of every page.
TEST(FirefoxFavicons, RemainingPlacesKeepTheirIconsOthersLeaveNoTrace) {
    const std::string icons =
        "SELECT p.page_url, i.icon_url, i.width, i.root, hex(i.data), i.expire_ms"
        " FROM moz_icons i LEFT JOIN moz_icons_to_pages l ON l.icon_id = i.id"
        " LEFT JOIN moz_pages_w_icons p ON p.id = l.page_id";
    fixture::Scratch scratch;
    fixture::fs::path places = CopyOfProfileFile(scratch, firefox::kPlaces);
    fixture::fs::path favicons = CopyOfProfileFile(scratch, firefox::kFavicons);
    sqlite::Database browser(favicons.string(), sqlite::OpenMode::ReadWrite);
    browser.Execute(
        "PRAGMA wal_autocheckpoint = 0; UPDATE moz_icons SET expire_ms = expire_ms + 1;"
        "UPDATE moz_pages_w_icons SET page_url_hash = page_url_hash + 1");
    ASSERT_NE(fixture::ReadBytes(favicons.string() + "-wal").find("ff-gone"), std::string::npos);
    const Texts kept =
        Rows(favicons, icons +
                           " WHERE p.page_url NOT LIKE 'http:%' OR p.page_url LIKE '%/ff-%' AND"
                           " p.page_url NOT LIKE '%/ff-gone' OR"
                           " i.icon_url = 'http://example.com:18765/favicon.ico' ORDER BY i.id");

    firefox::CleanPlacesDatabase(places.string());
    firefox::CleanFaviconsDatabase(favicons.string(), firefox::PlaceUrls(places.string()));

    EXPECT_EQ(Rows(favicons, icons + " ORDER BY i.id"), kept);
    EXPECT_EQ(kept.size(), 8u);
    const std::string bytes =
        fixture::ReadBytes(favicons) + fixture::ReadBytes(favicons.string() + "-wal");
    for (const char* gone :
         {"ff-gone", "18765/done", "mail.example.com", "notexample.com", "evil.net"})
        EXPECT_EQ(bytes.find(gone), std::string::npos) << gone;
}

TEST(FirefoxDatabases, FailureLeavesTheFileByteForByte) {
    using Clean = std::function<void(const std::string&)>;
    const chromium::SiteKeepList keep({"example.com"});
    const struct {
        const char* file;
        Clean clean;
    } databases[] = {
        {firefox::kPlaces, firefox::CleanPlacesDatabase},
        {firefox::kFormHistory, firefox::CleanFormHistory},
        {firefox::kFavicons,
         [](const std::string& path) { firefox::CleanFaviconsDatabase(path, {}); }},
        {firefox::kCookies,
         [&](const std::string& path) { firefox::CleanFirefoxCookies(path, keep); }},
    };
    for (const auto& database : databases) {
        for (bool locked : {false, true}) {
            SCOPED_TRACE(std::string(database.file) + (locked ? " locked" : " corrupt"));
            fixture::Scratch scratch;
            fixture::fs::path db = CopyOfProfileFile(scratch, database.file);
            std::string bytes = fixture::ReadBytes(db);
            // The header of the root page of the database's first table (the page size is at
            // offset 16, big-endian).
            std::size_t page = std::stoul(
                Rows(db, "SELECT rootpage FROM sqlite_schema WHERE type = 'table'").at(0));
            std::size_t pageSize = (static_cast<unsigned char>(bytes[16]) << 8) |
                                   static_cast<unsigned char>(bytes[17]);
            if (!locked)
                bytes.replace((page - 1) * pageSize, 8, "\x0d\xff\xff\xff\xff\xff\xff\xff");
            fixture::WriteBytes(db, bytes);
            std::optional<sqlite::Database> browser;
            if (locked) {
                browser.emplace(db.string(), sqlite::OpenMode::ReadWrite);
                browser->Execute("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE");
            }
            try {
                database.clean(db.string());
                ADD_FAILURE() << "no error";
            } catch (const AppError& e) {
                EXPECT_EQ(e.Number(), locked ? err::kPermissionDenied : chromium::kCorruptDatabase)
                    << e.Description();
            }
            browser.reset();
            EXPECT_TRUE(fixture::ReadBytes(db) == bytes);
        }
    }
}

TEST(FirefoxCookies, ExactlyTheKeptHostsStay) {
    struct Case {
        Texts keep;
        Texts left;
    } cases[] = {
        {{}, {}},
        {{"example.com"}, {".example.com", ".example.com", "example.com", "mail.example.com"}},
        {{"MAIL.example.com", ".notexample.com"}, {"mail.example.com", "notexample.com"}},
        {{"evil.net"}, {".evil.net", "example.com.evil.net"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keep.empty() ? "nothing kept" : c.keep.front());
        fixture::Scratch scratch;
        fixture::fs::path cookies = CopyOfProfileFile(scratch, firefox::kCookies);
        const std::string hosts = "SELECT host FROM moz_cookies ORDER BY host";
        long long before = Count(cookies, "moz_cookies");
        long long removed =
            firefox::CleanFirefoxCookies(cookies.string(), chromium::SiteKeepList(c.keep));
        EXPECT_EQ(Rows(cookies, hosts), c.left);
        EXPECT_EQ(removed, before - static_cast<long long>(c.left.size()));
    }
    // On a copy: reading a database in WAL mode makes its -shm file.
    fixture::Scratch scratch;
    fixture::fs::path cookies = CopyOfProfileFile(scratch, firefox::kCookies);
    EXPECT_EQ(firefox::FirefoxCookieHosts(cookies.string()),
              (Texts{"evil.net", "example.com", "example.com.evil.net", "mail.example.com",
                     "notexample.com", "other.org", "www.other.org"}));
}

TEST(FirefoxFormHistory, SearchBarEntriesGoOthersStay) {
    fixture::Scratch scratch;
    fixture::fs::path forms = CopyOfProfileFile(scratch, firefox::kFormHistory);
    const std::string entries =
        "SELECT f.fieldname, f.value, s.source FROM moz_formhistory f LEFT JOIN"
        " moz_history_to_sources l ON l.history_id = f.id LEFT JOIN moz_sources s ON"
        " s.id = l.source_id ORDER BY f.id";
    ASSERT_EQ(Rows(forms, entries).size(), 3u);

    firefox::CleanFormHistory(forms.string());

    EXPECT_EQ(Rows(forms, entries), Texts{"email|someone@example.com|Loopback Form"});
    EXPECT_EQ(Count(forms, "moz_history_to_sources"), 1);
    EXPECT_EQ(fixture::ReadBytes(forms).find("brisvane search"), std::string::npos);
}
