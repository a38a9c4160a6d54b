#include "clean/RegistryTraces.h"

#include "clean/FirstFailure.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

// Names at 1..count, as the registry object lists them (an empty list for none).
std::vector<std::string> Listed(const std::vector<std::string>& names, std::int32_t count) {
    if (count <= 0) return {};
    return std::vector<std::string>(names.begin() + 1, names.begin() + 1 + count);
}

void Remove(cRegistry& registry, const RegistryTrace& trace) {
    if (trace.wholeKey) return DeleteKeyTree(registry, trace.key);
    AddressValue(registry, hkey::kCurrentUser, trace.key, trace.value);
    registry.DeleteValue();
}

}  // namespace

std::vector<std::string> ValueNames(cRegistry& registry, const std::string& key) {
    AddressKey(registry, hkey::kCurrentUser, key);
    std::vector<std::string> names;
    std::int32_t count = 0;
    registry.EnumerateValues(names, count);
    return Listed(names, count);
}

std::vector<std::string> SubKeyNames(cRegistry& registry, const std::string& key) {
    AddressKey(registry, hkey::kCurrentUser, key);
    std::vector<std::string> names;
    std::int32_t count = 0;
    registry.EnumerateSections(names, count);
    return Listed(names, count);
}

void DeleteKeyTree(cRegistry& registry, const std::string& path) {
    for (const std::string& name : SubKeyNames(registry, path))
        DeleteKeyTree(registry, path + "\\" + name);
    AddressKey(registry, hkey::kCurrentUser, path);
    registry.DeleteKey();
}

void RemoveRegistryTraces(cRegistry& registry, const std::vector<RegistryTrace>& traces) {
    FirstFailure failure;
    for (const RegistryTrace& trace : traces) failure.Attempt([&] { Remove(registry, trace); });
    failure.Raise();
}
