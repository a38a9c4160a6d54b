// Where a Chromium-family browser keeps what the cleaning reads and changes: names relative to
// its user-data folder or to one of its profile folders, with Windows separators.
#pragma once

#include <string>
#include <vector>

namespace chromium {

// In the user-data folder. The browser holds the lock file open for writing while it runs.
inline constexpr const char* kLockFile = "lockfile";
inline constexpr const char* kLocalState = "Local State";
inline const std::vector<std::string> kBrowserCaches = {"ShaderCache", "GrShaderCache"};

// In a profile folder.
inline constexpr const char* kPreferences = "Preferences";
inline constexpr const char* kBookmarks = "Bookmarks";
inline constexpr const char* kHistory = "History";
inline constexpr const char* kFavicons = "Favicons";
// The icons of the sites in the Windows jump list (most visited, recently closed; the first two
// names are today's, the others older versions').
inline const std::vector<std::string> kJumpListIconFolders = {
    "JumpListIconsMostVisited", "JumpListIconsRecentClosed", "JumpListIcons", "JumpListIconsOld"};
// The current place first, then the older one.
inline const std::vector<std::string> kCookieDatabases = {"Network\\Cookies", "Cookies"};
inline const std::vector<std::string> kProfileCaches = {"Cache\\Cache_Data", "Code Cache",
                                                        "GPUCache"};
inline const std::vector<std::string> kSessionFolders = {"Sessions"};
inline const std::vector<std::string> kSessionFiles = {"Current Session", "Current Tabs",
                                                       "Last Session", "Last Tabs"};

}  // namespace chromium
