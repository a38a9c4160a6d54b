// The Chromium-family browsers of the "Other Browsers" page and their profiles on this
// machine. Each browser keeps its user data in a folder below the user's local or roaming
// application-data folder (as the user's "Shell Folders" name them, never the environment);
// its cache lies in the same folders below the local one.
#pragma once

#include <string>
#include <vector>

#include "chromium/Profiles.h"

class cRegistry;

struct ChromiumBrowser {
    const char* code;      // the settings code
    const char* name;      // the name the page and the report show
    bool roaming;          // user data below "AppData" rather than "Local AppData"
    const char* relative;  // the user-data folder below that folder
};

// In the order the page lists them and the report cleans them.
inline constexpr ChromiumBrowser kChromiumBrowsers[] = {
    {"Chrome", "Google Chrome", false, "Google\\Chrome\\User Data"},
    {"Edge", "Microsoft Edge", false, "Microsoft\\Edge\\User Data"},
    {"Brave", "Brave", false, "BraveSoftware\\Brave-Browser\\User Data"},
    {"Vivaldi", "Vivaldi", false, "Vivaldi\\User Data"},
    {"Opera", "Opera", true, "Opera Software\\Opera Stable"},
    {"OperaGX", "Opera GX", true, "Opera Software\\Opera GX Stable"},
};

struct FoundProfile {
    const ChromiumBrowser* browser;
    std::string userData;   // the browser's user-data folder
    std::string cacheRoot;  // the same below the local application-data folder
    chromium::Profile profile;

    std::string Folder() const { return userData + "\\" + profile.folder; }
    std::string CacheFolder() const { return cacheRoot + "\\" + profile.folder; }
    // "<browser name> (<profile name>)"
    std::string Title() const;
};

// Every profile of every browser whose user-data folder exists, browsers in the order above,
// profiles in folder-name order. A `Local State` that cannot be read or lists no profile
// leaves the profile folders holding a `Preferences` file.
std::vector<FoundProfile> FindChromiumProfiles(cRegistry& registry);

// True while the browser runs: it holds `lockfile` in its user-data folder against writing.
bool IsBrowserRunning(const FoundProfile& found);
