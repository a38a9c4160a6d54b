#include "clean/CleanItems.h"

#include "settings/ProgramState.h"

std::int16_t CountSelectedItems(const cSettings& settings) {
    std::int16_t count = 0;
    for (const CleanItemInfo& info : kCleanItems) {
        if ((settings.*info.selected)() != kFalse) ++count;
    }
    return count;
}

std::string GetNSProfileFolder(const cSettings& settings) {
    const std::string wanted = settings.DefaultNSProfile();
    for (const NSProfile& profile : Program().nsProfiles) {
        if (profile.name == wanted) return profile.folder;
    }
    return "";
}
