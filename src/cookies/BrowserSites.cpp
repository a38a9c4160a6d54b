#include "cookies/BrowserSites.h"

#include <algorithm>
#include <set>

#include "chromium/CookieDatabase.h"
#include "chromium/ProfileLayout.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"

namespace {

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The hosts of every cookie database of the profile; a locked database raises 70.
std::set<std::string> ProfileHosts(const FoundProfile& found) {
    std::set<std::string> hosts;
    for (const std::string& name : chromium::kCookieDatabases) {
        const std::string path = found.Folder() + "\\" + name;
        if (!FileExists(path)) continue;
        for (std::string& host : chromium::CookieHosts(path)) hosts.insert(std::move(host));
    }
    return hosts;
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
