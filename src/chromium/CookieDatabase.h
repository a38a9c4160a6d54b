// The cookie databases of a Chromium-family profile (`Network\Cookies`, and the older
// `Cookies` in the profile folder): cleaning by the site keep-list, and the hosts listed for
// choosing sites. A database without a `cookies` table holds no cookies. The same work on
// another browser's cookie table is CleanCookieTable and CookieTableHosts.
#pragma once

#include <string>
#include <vector>

#include "chromium/SiteKeepList.h"
#include "sqlite/Database.h"

namespace chromium {

// A cookie table and its column of host names.
struct CookieTable {
    std::string name;
    std::string hostColumn;
};

// The cookies of each host of the table as it is stored, for the find step: the clean
// deletes the rows of exactly the hosts the keep-list does not keep. `mode`:
// DatabaseCleaning.h.
struct HostCount {
    std::string host;
    long long cookies = 0;
};
std::vector<HostCount> CountCookieTable(const std::string& path, sqlite::OpenMode mode,
                                        const CookieTable& table);
std::vector<HostCount> CountCookieDatabase(const std::string& path, sqlite::OpenMode mode);

// Deletes every row of the table whose host the keep-list does not keep, and answers how many
// went; a database without the table holds no cookies. Raises AppError as DatabaseCleaning.h
// says; on an error nothing has changed.
long long CleanCookieTable(const std::string& path, const CookieTable& table,
                           const SiteKeepList& keep);

// The hosts of the table, lower-cased and without leading dots, unique and sorted, read with
// the database opened for reading only.
std::vector<std::string> CookieTableHosts(const std::string& path, const CookieTable& table);

// Deletes every row of `cookies` whose `host_key` the keep-list does not keep, and answers how
// many went. Raises AppError as DatabaseCleaning.h says; on an error nothing has changed.
long long CleanCookieDatabase(const std::string& path, const SiteKeepList& keep);

// The hosts of the database's cookies, lower-cased and without leading dots, unique and
// sorted. Opens the database for reading only; raises AppError (70 while the browser holds it
// locked).
std::vector<std::string> CookieHosts(const std::string& path);

}  // namespace chromium
