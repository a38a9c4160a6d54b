// Where Firefox keeps what the cleaning reads and changes: names relative to a profile folder
// or to its local folder (the one that holds the cache), with Windows separators.
#pragma once

#include <string>
#include <vector>

namespace firefox {

// Beside the profile folders: the list of profiles.
inline constexpr const char* kProfilesIni = "profiles.ini";

// In a profile folder. Firefox holds the lock file open without sharing while it runs.
inline constexpr const char* kLockFile = "parent.lock";
inline constexpr const char* kPlaces = "places.sqlite";
inline constexpr const char* kFormHistory = "formhistory.sqlite";
inline constexpr const char* kFavicons = "favicons.sqlite";
// The sites visited over HTTPS that asked for it to stay so (today's file and the older one).
inline const std::vector<std::string> kSiteSecurityFiles = {"SiteSecurityServiceState.bin",
                                                            "SiteSecurityServiceState.txt"};
inline constexpr const char* kCookies = "cookies.sqlite";
inline const std::vector<std::string> kSessionFiles = {"sessionstore.jsonlz4"};
inline const std::vector<std::string> kSessionFolders = {"sessionstore-backups"};

// In the profile's local folder.
inline const std::vector<std::string> kCaches = {"cache2", "thumbnails"};
// The icons of the sites in the Windows jump list.
inline constexpr const char* kJumpListCache = "jumpListCache";

}  // namespace firefox
