#include "browser/OtherBrowsers.h"
#include "chromium/ProfileLayout.h"
#include "files/FileBytes.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"

namespace {

std::vector<chromium::Profile> ProfilesOf(const std::string& userData) {
    try {
        auto listed = chromium::ProfilesFromLocalState(
            ReadFileBytes(userData + "\\" + chromium::kLocalState));
        if (listed) return *listed;
    } catch (const AppError&) {
        // No readable Local State: the folders tell.
    }
    std::vector<std::string> withPreferences;
    for (const Folder& folder : GetFolder(userData).SubFolders()) {
        if (!folder.IsLink() && FileExists(folder.Path() + "\\" + chromium::kPreferences)) {
            withPreferences.push_back(folder.Name());
        }
    }
    return chromium::ProfilesFromFolders(withPreferences);
}

}  // namespace

std::vector<FoundProfile> FindChromiumProfiles(const AppDataFolders& folders) {
    std::vector<FoundProfile> found;
    if (folders.local.empty()) return found;
    for (const OtherBrowser& browser : kChromiumBrowsers) {
        const std::string& base = browser.roaming ? folders.roaming : folders.local;
        if (base.empty()) continue;
        const std::string userData = base + "\\" + browser.relative;
        const std::string cacheRoot = folders.local + "\\" + browser.relative;
        if (!FolderExists(userData)) continue;
        for (chromium::Profile& profile : ProfilesOf(userData)) {
            const std::string folder = userData + "\\" + profile.folder;
            if (!FolderExists(folder)) continue;
            std::string cache = cacheRoot + "\\" + profile.folder;
            found.push_back({&browser, userData, cacheRoot, std::move(profile), folder, cache});
        }
    }
    return found;
}
