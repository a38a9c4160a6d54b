#include "browser/OtherBrowsers.h"

#include "browser/FirefoxProfiles.h"
#include "chromium/ProfileLayout.h"
#include "files/FileBytes.h"
#include "firefox/ProfileLayout.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

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
    std::vector<FoundProfile> found = FindChromiumProfiles(folders);
    for (FoundProfile& profile : FindFirefoxProfiles(folders)) found.push_back(std::move(profile));
    return found;
}

bool IsBrowserRunning(const FoundProfile& found) {
    if (found.browser->family == BrowserFamily::kFirefox) {
        return IsHeldAgainstWriting(found.Folder() + "\\" + firefox::kLockFile);
    }
    return IsHeldAgainstWriting(found.userData + "\\" + chromium::kLockFile);
}
