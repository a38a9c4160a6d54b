// Firefox's profiles, as profiles.ini in its roaming folder ("Mozilla\Firefox") lists them:
// each [ProfileN] section's Name and Path, the path relative to that folder when IsRelative is
// 1 and absolute otherwise. The [Install…] sections and installs.ini name defaults only and
// add no profile. A relative profile keeps its cache below the local "Mozilla\Firefox" folder
// under the same path; a profile outside the Firefox folder keeps it in its own folder.
#pragma once

#include <vector>

#include "browser/OtherBrowsers.h"

// The profiles whose folder exists, sorted by their Path as written. A relative Path that
// would leave the Firefox folder ("..", a drive, a leading separator) is left out.
std::vector<FoundProfile> FindFirefoxProfiles(const AppDataFolders& folders);
