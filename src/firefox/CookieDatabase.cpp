#include "firefox/CookieDatabase.h"

#include "chromium/CookieDatabase.h"

namespace firefox {

namespace {

const chromium::CookieTable kCookieTable = {"moz_cookies", "host"};

}  // namespace

long long CleanFirefoxCookies(const std::string& path, const chromium::SiteKeepList& keep) {
    return chromium::CleanCookieTable(path, kCookieTable, keep);
}

std::vector<chromium::HostCount> CountFirefoxCookies(const std::string& path,
                                                     sqlite::OpenMode mode) {
    return chromium::CountCookieTable(path, mode, kCookieTable);
}

std::vector<std::string> FirefoxCookieHosts(const std::string& path) {
    return chromium::CookieTableHosts(path, kCookieTable);
}

}  // namespace firefox
