// Sets (or removes) one value of HKEY_CURRENT_USER for the life of the object and puts back
// exactly what was there, type included, or removes the value it created.
#pragma once

#include <windows.h>

#include <string>

#include "RegistryOverride.h"
#include "RegistryTestKey.h"
#include "Sandbox.h"

inline constexpr const char* kUserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

struct RegistryValueOverride : RegistryOverride {
    RegistryValueOverride(const std::string& key, const std::string& name, DWORD type,
                          const std::string& text, bool remove = false)
        : RegistryOverride(HKEY_CURRENT_USER, key, name, text, "", type, remove) {}
};

// Points "Cache" at `folder` in both shell-folder keys: WinINet copies "User Shell Folders"
// over "Shell Folders" whenever it starts.
struct CacheRedirect {
    explicit CacheRedirect(const std::string& folder)
        : shell(kShellFolders, "Cache", REG_SZ, folder),
          user(kUserShellFolders, "Cache", REG_EXPAND_SZ, folder) {}
    RegistryValueOverride shell, user;
};
