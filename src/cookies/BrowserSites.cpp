#include "cookies/BrowserSites.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "chromium/CookieDatabase.h"
#include "chromium/ProfileLayout.h"
#include "files/FileBytes.h"
#include "files/FileSystem.h"
#include "files/ScratchCopy.h"
#include "firefox/CookieDatabase.h"
#include "firefox/ProfileLayout.h"
#include "platform/AppError.h"
#include "platform/System.h"

namespace {

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A Chromium profile's hosts, from every cookie database it has; a locked one raises 70.
std::set<std::string> ChromiumHosts(const FoundProfile& found) {
    std::set<std::string> hosts;
    for (const std::string& name : chromium::kCookieDatabases) {
        const std::string path = found.Folder() + "\\" + name;
        if (!FileExists(path)) continue;
        for (std::string& host : chromium::CookieHosts(path)) hosts.insert(std::move(host));
    }
    return hosts;
}

// A Firefox profile's hosts, read from a copy of its cookie database in a folder of our own:
// the database runs in WAL mode, where even a read-only open leaves a -shm file beside it.
std::set<std::string> FirefoxHosts(const FoundProfile& found) {
    const std::string path = found.Folder() + "\\" + firefox::kCookies;
    if (!FileExists(path)) return {};
    const ScratchFolder scratch;
    std::vector<std::string> listed = firefox::FirefoxCookieHosts(CopyWithLog(path, scratch));
    return {listed.begin(), listed.end()};
}

std::set<std::string> ProfileHosts(const FoundProfile& found) {
    return found.browser->family == BrowserFamily::kFirefox ? FirefoxHosts(found)
                                                            : ChromiumHosts(found);
}

}  // namespace

BrowserSites ReadBrowserSites(const std::vector<FoundProfile>& profiles) {
    BrowserSites sites;
    std::set<std::string> hosts;
    for (const FoundProfile& found : profiles) {
        const std::string browser = found.browser->name;
        if (Listed(sites.running, browser)) continue;  // its other profiles are skipped too
        try {
            if (IsBrowserRunning(found)) {
                sites.running.push_back(browser);
                continue;
            }
            hosts.merge(ProfileHosts(found));
        } catch (const AppError& failure) {
            if (failure.Number() == err::kPermissionDenied) {
                sites.running.push_back(browser);
            } else {
                sites.failures.push_back(found.Title() + ": " + failure.Description());
            }
        }
    }
    sites.hosts.assign(hosts.begin(), hosts.end());
    return sites;
}

std::string CloseBrowsersText(const std::vector<std::string>& running) {
    if (running.empty()) return "";
    std::string names = running.front();
    for (std::size_t i = 1; i < running.size(); ++i) {
        names += (i + 1 == running.size() ? " and " : ", ") + running[i];
    }
    return "Close " + names +
           (running.size() == 1 ? " to list its sites." : " to list their sites.");
}
