#include "chromium/CookieDatabase.h"

#include <algorithm>

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace chromium {

namespace {

const CookieTable kChromiumCookies = {"cookies", "host_key"};

std::vector<std::string> HostKeys(sqlite::Database& db, const CookieTable& table) {
    sqlite::Statement query = db.Prepare("SELECT DISTINCT " + QuotedName(table.hostColumn) +
                                         " FROM main." + QuotedName(table.name));
    std::vector<std::string> hosts;
    while (query.Step()) hosts.push_back(query.ColumnText(0));
    return hosts;
}

}  // namespace

std::vector<HostCount> CountCookieTable(const std::string& path, sqlite::OpenMode mode,
                                        const CookieTable& table) {
    sqlite::Database db = OpenForCounting(path, mode);
    if (!HasTable(db, table.name)) return {};
    const std::string host = QuotedName(table.hostColumn);
    sqlite::Statement query = db.Prepare("SELECT " + host + ", count(*) FROM main." +
                                         QuotedName(table.name) + " GROUP BY " + host);
    std::vector<HostCount> counts;
    while (query.Step()) counts.push_back({query.ColumnText(0), query.ColumnInt64(1)});
    return counts;
}

std::vector<HostCount> CountCookieDatabase(const std::string& path, sqlite::OpenMode mode) {
    return CountCookieTable(path, mode, kChromiumCookies);
}

long long CleanCookieTable(const std::string& path, const CookieTable& table,
                           const SiteKeepList& keep) {
    sqlite::Database db = OpenForCleaning(path);
    if (!HasTable(db, table.name)) return 0;
    sqlite::Transaction transaction(db);
    // The hosts the list does not keep, then one statement for all their rows.
    db.Execute("CREATE TEMP TABLE doomed_hosts (host TEXT PRIMARY KEY)");
    sqlite::Statement doom = db.Prepare("INSERT INTO temp.doomed_hosts VALUES (?1)");
    for (const std::string& host : HostKeys(db, table)) {
        if (keep.Keeps(host)) continue;
        doom.Bind(1, host).Run();
        doom.Reset();
    }
    db.Execute("DELETE FROM main." + QuotedName(table.name) + " WHERE " +
               QuotedName(table.hostColumn) + " IN (SELECT host FROM temp.doomed_hosts)");
    long long removed = db.Changes();
    db.Execute("DROP TABLE temp.doomed_hosts");
    transaction.Commit();
    FinishCleaning(db);
    return removed;
}

long long CleanCookieDatabase(const std::string& path, const SiteKeepList& keep) {
    return CleanCookieTable(path, kChromiumCookies, keep);
}

std::vector<std::string> CookieTableHosts(const std::string& path, const CookieTable& table) {
    sqlite::Database db(path, sqlite::OpenMode::ReadOnly);
    if (!HasTable(db, table.name)) return {};
    std::vector<std::string> hosts;
    for (const std::string& host : HostKeys(db, table)) {
        std::string normalized = NormalizedHost(host);
        if (!normalized.empty()) hosts.push_back(std::move(normalized));
    }
    std::sort(hosts.begin(), hosts.end());
    hosts.erase(std::unique(hosts.begin(), hosts.end()), hosts.end());
    return hosts;
}

std::vector<std::string> CookieHosts(const std::string& path) {
    return CookieTableHosts(path, kChromiumCookies);
}

}  // namespace chromium
