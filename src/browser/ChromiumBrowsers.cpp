#include "browser/ChromiumBrowsers.h"

#include "chromium/ProfileLayout.h"
#include "files/FileBytes.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

std::string ShellFolder(cRegistry& registry, const char* name) {
    AddressValue(registry, hkey::kCurrentUser, regpath::kShellFolders, name);
    registry.SetDefault(Variant());
    return registry.Value().ToText();
}

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

std::string FoundProfile::Title() const {
    return std::string(browser->name) + " (" + profile.name + ")";
}

std::vector<FoundProfile> FindChromiumProfiles(cRegistry& registry) {
    const std::string local = ShellFolder(registry, regpath::kLocalAppDataValue);
    const std::string roaming = ShellFolder(registry, regpath::kAppDataValue);
    std::vector<FoundProfile> found;
    for (const ChromiumBrowser& browser : kChromiumBrowsers) {
        const std::string& base = browser.roaming ? roaming : local;
        if (base.empty() || local.empty()) continue;
        const std::string userData = base + "\\" + browser.relative;
        if (!FolderExists(userData)) continue;
        for (chromium::Profile& profile : ProfilesOf(userData)) {
            if (!FolderExists(userData + "\\" + profile.folder)) continue;
            found.push_back(
                {&browser, userData, local + "\\" + browser.relative, std::move(profile)});
        }
    }
    return found;
}

bool IsBrowserRunning(const FoundProfile& found) {
    return IsHeldAgainstWriting(found.userData + "\\" + chromium::kLockFile);
}
