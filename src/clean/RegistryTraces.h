// What a cleaning routine removes from the registry below HKEY_CURRENT_USER, listed first and
// removed afterwards: single values of a key, or whole keys with everything below them.
#pragma once

#include <string>
#include <vector>

class cRegistry;

struct RegistryTrace {
    std::string key;    // the key's path below HKEY_CURRENT_USER
    std::string value;  // the value's name ("" the key's unnamed value); unused for a whole key
    bool wholeKey = false;

    bool operator==(const RegistryTrace&) const = default;
};

// The names of a key's values and of its direct sub-keys; none for a missing key.
std::vector<std::string> ValueNames(cRegistry& registry, const std::string& key);
std::vector<std::string> SubKeyNames(cRegistry& registry, const std::string& key);

// Deletes a key with every key below it, the deepest first: the registry deletes only keys
// without sub-keys.
void DeleteKeyTree(cRegistry& registry, const std::string& path);

// Removes every trace; a failure does not stop the others, and the first is raised at the end.
void RemoveRegistryTraces(cRegistry& registry, const std::vector<RegistryTrace>& traces);
