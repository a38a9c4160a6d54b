#include "clean/FoundRegistry.h"

#include <vector>

#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

void FindKeyValues(cRegistry& registry, const std::string& path, Findings& findings) {
    AddressKey(registry, hkey::kCurrentUser, path);
    std::vector<std::string> names;
    std::int32_t count = 0;
    registry.EnumerateValues(names, count);
    for (std::int32_t i = 1; i <= count; ++i) {
        ++findings.entries;
        findings.AddLine("HKEY_CURRENT_USER\\" + path + ": " + names[i]);
    }
}

void FindKeyTreeValues(cRegistry& registry, const std::string& path, Findings& findings) {
    FindKeyValues(registry, path, findings);
    AddressKey(registry, hkey::kCurrentUser, path);
    std::vector<std::string> sections;
    std::int32_t count = 0;
    registry.EnumerateSections(sections, count);
    for (std::int32_t i = 1; i <= count; ++i) {
        FindKeyTreeValues(registry, path + "\\" + sections[i], findings);
    }
}
