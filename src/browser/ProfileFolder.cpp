#include "browser/ProfileFolder.h"

#include "settings/ProgramState.h"
#include "settings/cSettings.h"

std::string GetNSProfileFolder(const cSettings& settings) {
    const std::string wanted = settings.DefaultNSProfile();
    for (const NSProfile& profile : Program().nsProfiles) {
        if (profile.name == wanted) return profile.folder;
    }
    return "";
}
