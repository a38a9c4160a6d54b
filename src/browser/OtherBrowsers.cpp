#include "browser/OtherBrowsers.h"

#include "chromium/ProfileLayout.h"
#include "files/FileBytes.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

constexpr const char* kFirefoxLock = "parent.lock";

std::string ShellFolder(cRegistry& registry, const char* name) {
    AddressValue(registry, hkey::kCurrentUser, regpath::kShellFolders, name);
    registry.SetDefault(Variant());
    return registry.Value().ToText();
}

}  // namespace

std::string FoundProfile::Title() const {
    return std::string(browser->name) + " (" + profile.name + ")";
}

AppDataFolders UserAppDataFolders(cRegistry& registry) {
    return {ShellFolder(registry, regpath::kLocalAppDataValue),
            ShellFolder(registry, regpath::kAppDataValue)};
}

std::vector<FoundProfile> FindBrowserProfiles(cRegistry& registry) {
    const AppDataFolders folders = UserAppDataFolders(registry);
    return FindChromiumProfiles(folders);
}

bool IsBrowserRunning(const FoundProfile& found) {
    if (found.browser->family == BrowserFamily::kFirefox) {
        return IsHeldAgainstWriting(found.Folder() + "\\" + kFirefoxLock);
    }
    return IsHeldAgainstWriting(found.userData + "\\" + chromium::kLockFile);
}
