// The browsers of the "Other Browsers" page and their profiles on this machine: the Chromium
// family, each keeping its user data in a folder below the user's local or roaming
// application-data folder, then Firefox, whose profiles.ini in its roaming folder lists its
// profiles. The folders come from the user's "Shell Folders", never from the environment.
#pragma once

#include <string>
#include <vector>

#include "chromium/Profiles.h"

class cRegistry;

enum class BrowserFamily { kChromium, kFirefox };

struct OtherBrowser {
    const char* code;      // the settings code
    const char* name;      // the name the page and the report show
    bool roaming;          // user data below "AppData" rather than "Local AppData"
    const char* relative;  // the user-data folder below that folder
    BrowserFamily family = BrowserFamily::kChromium;
};

// In the order the page lists them and the report cleans them.
inline constexpr OtherBrowser kChromiumBrowsers[] = {
    {"Chrome", "Google Chrome", false, "Google\\Chrome\\User Data"},
    {"Edge", "Microsoft Edge", false, "Microsoft\\Edge\\User Data"},
    {"Brave", "Brave", false, "BraveSoftware\\Brave-Browser\\User Data"},
    {"Vivaldi", "Vivaldi", false, "Vivaldi\\User Data"},
    {"Opera", "Opera", true, "Opera Software\\Opera Stable"},
    {"OperaGX", "Opera GX", true, "Opera Software\\Opera GX Stable"},
};
inline constexpr OtherBrowser kFirefox{"Firefox", "Mozilla Firefox", true, "Mozilla\\Firefox",
                                       BrowserFamily::kFirefox};

struct FoundProfile {
    const OtherBrowser* browser = nullptr;
    std::string userData;   // the browser's user-data folder (Firefox's: the one of profiles.ini)
    std::string cacheRoot;  // the same below the local application-data folder
    chromium::Profile profile;  // `folder` as the settings name it, `name` as the browser shows
    std::string folder;         // the profile's own folder
    std::string cacheFolder;    // where the profile's cache lies

    const std::string& Folder() const { return folder; }
    const std::string& CacheFolder() const { return cacheFolder; }
    // "<browser name> (<profile name>)"
    std::string Title() const;
};

// The user's local and roaming application-data folders ("" when not named).
struct AppDataFolders {
    std::string local;
    std::string roaming;
};
AppDataFolders UserAppDataFolders(cRegistry& registry);

// Every profile of every browser whose user-data folder exists, browsers in the order above,
// profiles in folder-name order.
std::vector<FoundProfile> FindBrowserProfiles(cRegistry& registry);

// The Chromium family's: a `Local State` that cannot be read or lists no profile leaves the
// profile folders holding a `Preferences` file.
std::vector<FoundProfile> FindChromiumProfiles(const AppDataFolders& folders);

// True while the browser runs: a Chromium browser holds `lockfile` in its user-data folder
// against writing, Firefox holds `parent.lock` in the profile folder without any sharing.
bool IsBrowserRunning(const FoundProfile& found);
