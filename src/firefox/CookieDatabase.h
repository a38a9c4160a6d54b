// A Firefox profile's `cookies.sqlite`: cleaning by the site keep-list that every browser
// shares, and the hosts listed for choosing sites. A database without a `moz_cookies` table
// holds no cookies.
#pragma once

#include <string>
#include <vector>

#include "chromium/CookieDatabase.h"
#include "chromium/SiteKeepList.h"

namespace firefox {

// Deletes every row of `moz_cookies` whose `host` the keep-list does not keep, and answers how
// many went. Raises AppError as chromium/DatabaseCleaning.h says; on an error nothing has
// changed.
long long CleanFirefoxCookies(const std::string& path, const chromium::SiteKeepList& keep);

// The cookies of each host as stored (chromium::CountCookieTable).
std::vector<chromium::HostCount> CountFirefoxCookies(const std::string& path,
                                                     sqlite::OpenMode mode);

// The hosts of the database's cookies, lower-cased and without leading dots, unique and
// sorted. Opens the database for reading only; raises AppError (70 while Firefox holds it
// locked).
std::vector<std::string> FirefoxCookieHosts(const std::string& path);

}  // namespace firefox
