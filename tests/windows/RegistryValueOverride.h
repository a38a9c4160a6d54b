// Sets (or removes) one value of HKEY_CURRENT_USER for the life of the object and puts back
// exactly what was there, type included, or removes the value it created.
#pragma once

#include <windows.h>

#include <string>

#include "RegistryTestKey.h"
#include "Sandbox.h"

inline constexpr const char* kUserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

class RegistryValueOverride {
public:
    RegistryValueOverride(std::string key, std::string name, DWORD type, const std::string& text,
                          bool remove = false)
        : key_(std::move(key)), name_(std::move(name)), previous_(ReadRaw(key_, name_)) {
        if (remove) RegDeleteKeyValueA(HKEY_CURRENT_USER, key_.c_str(), name_.c_str());
        if (!remove) WriteRaw(key_, name_, type, SzBytes(text));
    }
    ~RegistryValueOverride() {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, key_.c_str(), name_.c_str());
        if (previous_.exists) WriteRaw(key_, name_, previous_.type, previous_.data);
    }
    RegistryValueOverride(const RegistryValueOverride&) = delete;
    RegistryValueOverride& operator=(const RegistryValueOverride&) = delete;

private:
    std::string key_, name_;
    RawValue previous_;
};

// Points "Cache" at `folder` in both shell-folder keys: WinINet copies "User Shell Folders"
// over "Shell Folders" whenever it starts.
struct CacheRedirect {
    explicit CacheRedirect(const std::string& folder)
        : shell(kShellFolders, "Cache", REG_SZ, folder),
          user(kUserShellFolders, "Cache", REG_EXPAND_SZ, folder) {}
    RegistryValueOverride shell, user;
};
