#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "chromium/CookieDatabase.h"
#include "sqlite/Database.h"

namespace {

std::vector<std::string> HostKeys(const fixture::fs::path& db) {
    sqlite::Database database(db.string(), sqlite::OpenMode::ReadOnly);
    sqlite::Statement query = database.Prepare("SELECT host_key FROM cookies ORDER BY host_key");
    std::vector<std::string> hosts;
    while (query.Step()) hosts.push_back(query.ColumnText(0));
    return hosts;
}

}  // namespace

TEST(CookieDatabase, ExactlyTheKeptHostsStay) {
    using Hosts = std::vector<std::string>;
    struct Case {
        Hosts keep;
        Hosts left;
    } cases[] = {
        {{}, {}},
        {{"example.com"}, {".example.com", ".example.com", "example.com", "mail.example.com"}},
        {{"MAIL.example.com", ".notexample.com"}, {"mail.example.com", "notexample.com"}},
        {{"evil.net", "www.other.org"}, {".evil.net", "example.com.evil.net", "www.other.org"}},
        {{"com.evil.net", "other"}, {"example.com.evil.net"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keep.empty() ? "nothing kept" : c.keep.front());
        fixture::Scratch scratch;
        fixture::fs::path cookies = scratch.CopyOfDefault("Cookies", "Cookies");
        long long before = static_cast<long long>(HostKeys(cookies).size());
        long long removed =
            chromium::CleanCookieDatabase(cookies.string(), chromium::SiteKeepList(c.keep));
        EXPECT_EQ(HostKeys(cookies), c.left);
        EXPECT_EQ(removed, before - static_cast<long long>(c.left.size()));
    }
}

TEST(CookieDatabase, HostsForChoosingSites) {
    EXPECT_EQ(chromium::CookieHosts((fixture::ChromiumUserData() / "Default" / "Cookies").string()),
              (std::vector<std::string>{"evil.net", "example.com", "example.com.evil.net",
                                        "mail.example.com", "notexample.com", "other.org",
                                        "www.other.org"}));
}

// A database in WAL mode keeps its changes in the -wal file until a checkpoint: after the
// clean, neither file holds a deleted host.
TEST(CookieDatabase, WalDatabaseIsCheckpointed) {
    fixture::Scratch scratch;
    fixture::fs::path cookies = scratch.CopyOfDefault("Cookies", "Cookies");
    sqlite::Database browser(cookies.string(), sqlite::OpenMode::ReadWrite);
    browser.Execute("PRAGMA journal_mode = WAL; UPDATE cookies SET value = 'x'");
    ASSERT_NE(fixture::ReadBytes(cookies.string() + "-wal").find("notexample.com"),
              std::string::npos);

    chromium::CleanCookieDatabase(cookies.string(), chromium::SiteKeepList({"example.com"}));

    EXPECT_EQ(fixture::ReadBytes(cookies.string() + "-wal"), "");
    EXPECT_EQ(fixture::ReadBytes(cookies).find("notexample.com"), std::string::npos);
    EXPECT_EQ(HostKeys(cookies).size(), 4u);
}
