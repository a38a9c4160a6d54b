#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "BrowserFixture.h"
#include "DatabaseRows.h"
#include "chromium/Bookmarks.h"
#include "chromium/ChromiumError.h"
#include "chromium/FaviconDatabase.h"
#include "chromium/HistoryDatabase.h"
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

namespace {

const std::string kGone = "http://www.other.org:18765/gone";

std::vector<std::string> FixtureBookmarks() {
    return chromium::BookmarkedUrls(
        fixture::ReadBytes(fixture::ChromiumUserData() / "Default" / "Bookmarks"));
}

}  // namespace

// On the database as the browser wrote it, and as a version without some of the listed tables
// would have it (dropped as the browser's own SQLite deletes: with secure delete).
TEST(HistoryDatabase, KeepsOnlyBookmarkedUrlsWithTheirVisitDataCleared) {
    for (const char* before :
         {"", "PRAGMA secure_delete = ON; DROP TABLE visited_links; DROP TABLE clusters"}) {
        SCOPED_TRACE(before);
        fixture::Scratch scratch;
        fixture::fs::path history = scratch.CopyOfDefault("History", "History");
        sqlite::Database(history.string(), sqlite::OpenMode::ReadWrite).Execute(before);
        ASSERT_NE(fixture::ReadBytes(history).find(kGone), std::string::npos);
        ASSERT_GT(Count(history, "visits"), 0);
        std::vector<std::string> meta = Rows(history, "SELECT * FROM meta ORDER BY key");

        chromium::CleanHistoryDatabase(history.string(), FixtureBookmarks());

        EXPECT_EQ(Rows(history,
                       "SELECT url, visit_count, typed_count, last_visit_time FROM urls"
                       " ORDER BY url"),
                  (std::vector<std::string>{"http://example.com:18765/kept|0|0|0",
                                            "http://www.other.org:18765/saved|0|0|0"}));
        for (const std::string& table : Rows(history, "SELECT name FROM sqlite_schema")) {
            const std::vector<std::string>& listed = chromium::kHistoryTables;
            if (std::find(listed.begin(), listed.end(), table) == listed.end()) continue;
            EXPECT_EQ(Count(history, table), 0) << table;
        }
        EXPECT_EQ(Rows(history, "SELECT * FROM meta ORDER BY key"), meta);
        EXPECT_EQ(fixture::ReadBytes(history).find(kGone), std::string::npos);
    }
}

// A browser that died within a transaction leaves a hot journal; opening the database through
// SQLite rolls it back, so the clean works on the last committed state.
TEST(HistoryDatabase, HotJournalIsRolledBackBySqlite) {
    fixture::Scratch scratch;
    fixture::fs::path history = scratch.CopyOfDefault("History", "History");
    fixture::fs::path crashed = scratch.Path() / "crashed";
    fixture::fs::path torn = scratch.Path() / "torn";
    {
        sqlite::Database browser(history.string(), sqlite::OpenMode::ReadWrite);
        browser.Execute("PRAGMA cache_size = 10");
        sqlite::Transaction transaction(browser);
        // More changes than the cache holds: SQLite writes the oldest pages to the file.
        browser.Execute(
            "DELETE FROM urls; CREATE TABLE filler (x);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
            " INSERT INTO filler SELECT zeroblob(2000) FROM n");
        // The file and its journal as a crash at this point leaves them.
        fixture::WriteBytes(crashed, fixture::ReadBytes(history));
        fixture::WriteBytes(torn, fixture::ReadBytes(history));
        fixture::WriteBytes(crashed.string() + "-journal",
                            fixture::ReadBytes(history.string() + "-journal"));
    }
    // Without its journal the file is not the committed state.
    bool tornReadsAsCommitted = false;
    try {
        tornReadsAsCommitted = Count(torn, "urls") == 8;
    } catch (const AppError&) {
    }
    ASSERT_FALSE(tornReadsAsCommitted);

    chromium::CleanHistoryDatabase(crashed.string(), FixtureBookmarks());

    EXPECT_EQ(Count(crashed, "urls"), 2);
    EXPECT_TRUE(Rows(crashed, "SELECT name FROM sqlite_schema WHERE name = 'filler'").empty());
}

// Only the bookmarked pages keep their icons, byte for byte; nothing of another page stays in
// the file or in its -wal, where another connection holds a copy of every page.
TEST(FaviconDatabase, BookmarkedPagesKeepTheirIconsOthersLeaveNoTrace) {
    const std::string icons =
        "SELECT m.page_url, f.url, f.icon_type, b.width, hex(b.image_data), b.last_updated"
        " FROM icon_mapping m JOIN favicons f ON f.id = m.icon_id"
        " JOIN favicon_bitmaps b ON b.icon_id = f.id";
    fixture::Scratch scratch;
    fixture::fs::path favicons = scratch.CopyOfDefault("Favicons", "Favicons");
    sqlite::Database browser(favicons.string(), sqlite::OpenMode::ReadWrite);
    browser.Execute(
        "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;"
        "UPDATE favicons SET icon_type = icon_type + 1;"
        "UPDATE icon_mapping SET page_url_type = page_url_type + 1");
    ASSERT_NE(fixture::ReadBytes(favicons.string() + "-wal").find("18765/gone"), std::string::npos);
    const std::vector<std::string> kept =
        Rows(favicons,
             icons + " WHERE m.page_url LIKE '%/kept' OR m.page_url LIKE '%/saved' ORDER BY b.id");
    ASSERT_EQ(kept.size(), 4u);  // two pages, two sizes each

    chromium::CleanFaviconDatabase(favicons.string(), FixtureBookmarks());

    EXPECT_EQ(Rows(favicons, icons + " ORDER BY b.id"), kept);
    const std::string bytes =
        fixture::ReadBytes(favicons) + fixture::ReadBytes(favicons.string() + "-wal");
    for (const char* gone : {"18765/gone", "mail.example.com", "notexample.com", "evil.net",
                             "example.com:18765/favicon"})
        EXPECT_EQ(bytes.find(gone), std::string::npos) << gone;
}

TEST(HistoryDatabase, FailureLeavesTheFileByteForByte) {
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
        bool locked;
        long number;
    } cases[] = {
        {"a page's header overwritten",
         [](std::string& b) { b.replace(3 * 4096, 8, "\x0d\xff\xff\xff\xff\xff\xff\xff"); }, false,
         chromium::kCorruptDatabase},
        {"not a database", [](std::string& b) { b.replace(0, 16, "not a database!!"); }, false,
         sqlite::kErrorBase + 26},
        {"held by another connection", [](std::string&) {}, true, err::kPermissionDenied},
    };
    using Clean = void (*)(const std::string&, const std::vector<std::string>&);
    const std::pair<const char*, Clean> databases[] = {
        {"History", chromium::CleanHistoryDatabase},
        {"Favicons", chromium::CleanFaviconDatabase},
    };
    for (const auto& [file, clean] : databases)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(file) + ": " + c.what);
            fixture::Scratch scratch;
            fixture::fs::path history = scratch.CopyOfDefault(file, file);
            std::string bytes = fixture::ReadBytes(history);
            c.damage(bytes);
            fixture::WriteBytes(history, bytes);
            std::optional<sqlite::Database> browser;
            if (c.locked) {
                browser.emplace(history.string(), sqlite::OpenMode::ReadWrite);
                browser->Execute("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE");
            }
            try {
                clean(history.string(), {});
                ADD_FAILURE() << "no error";
            } catch (const AppError& e) {
                EXPECT_EQ(e.Number(), c.number) << e.Description();
            }
            browser.reset();
            EXPECT_EQ(fixture::ReadBytes(history), bytes);
        }
}
