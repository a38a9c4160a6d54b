// Policies as Group Policy writes them, below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER
// "Software\Policies\Brisvane": both keys are removed when the object is made and again when it
// goes, so that no test sees another's policies.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/RegistryPaths.h"

class PolicySandbox {
  public:
    PolicySandbox() { Clear(); }
    ~PolicySandbox() { Clear(); }
    PolicySandbox(const PolicySandbox&) = delete;
    PolicySandbox& operator=(const PolicySandbox&) = delete;

    static void SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
                       const std::vector<std::uint8_t>& data) {
        HKEY key = nullptr;
        RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                        nullptr, &key, nullptr);
        RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
    static void Set(HKEY root, const std::string& name, DWORD value) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
        SetRaw(root, regpath::kPolicies, name, REG_DWORD, {bytes, bytes + sizeof value});
    }
    // The list as a template's list element writes it: "1", "2", ...
    static void SetSites(HKEY root, const std::vector<std::string>& sites) {
        for (std::size_t i = 0; i < sites.size(); ++i) {
            std::vector<std::uint8_t> text(sites[i].begin(), sites[i].end());
            text.push_back(0);
            SetRaw(root, regpath::kSitesToKeep, std::to_string(i + 1), REG_SZ, text);
        }
    }
    static void Clear() {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            RegDeleteTreeA(root, regpath::kPolicies);
        }
    }
};
