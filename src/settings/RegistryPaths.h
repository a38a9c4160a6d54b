// The registry keys the program reads and writes, in one place, and the one way to address a
// value: AddressValue sets the registry object's root, key path and value name together.
#pragma once

#include <cstdint>
#include <string>

#include "settings/cRegistry.h"

namespace regpath {

inline constexpr const char* kSettings = "Software\\Brisvane\\Settings";
inline constexpr const char* kBrowsers = "Software\\Brisvane\\Settings\\Browsers";
inline constexpr const char* kSites = "Software\\Brisvane\\Settings\\Sites";

inline constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
inline constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace regpath

inline void AddressValue(cRegistry& registry, std::int32_t root, const std::string& path,
                         const std::string& name) {
    registry.SetClassKey(root);
    registry.SetSectionKey(path);
    registry.SetValueKey(name);
}
