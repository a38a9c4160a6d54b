// Sets (or removes) one registry value of HKEY_CURRENT_USER for the life of the object and puts
// back exactly what was there before, type included, or removes the value it created.
#pragma once

#include <windows.h>

#include <string>

#include "RegistryTestKey.h"
#include "Sandbox.h"

inline constexpr const char* kUserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

class RegistryValueOverride {
public:
    // `remove` deletes the value instead of setting it.
    RegistryValueOverride(std::string key, std::string name, DWORD type, const std::string& text,
                          bool remove = false)
        : key_(std::move(key)), name_(std::move(name)), previous_(ReadRaw(key_, name_)) {
        if (remove) {
            Remove();
        } else {
            WriteRaw(key_, name_, type, SzBytes(text));
        }
    }
    ~RegistryValueOverride() {
        if (previous_.exists) {
            WriteRaw(key_, name_, previous_.type, previous_.data);
        } else {
            Remove();
        }
    }
    RegistryValueOverride(const RegistryValueOverride&) = delete;
    RegistryValueOverride& operator=(const RegistryValueOverride&) = delete;

private:
    void Remove() const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_SET_VALUE, &key) == 0) {
            RegDeleteValueA(key, name_.c_str());
            RegCloseKey(key);
        }
    }

    std::string key_, name_;
    RawValue previous_;
};

// Points the shell's "Cache" folder at `folder` in both "Shell Folders" and "User Shell Folders"
// (WinINet copies the second over the first whenever it starts).
class CacheRedirect {
public:
    explicit CacheRedirect(const std::string& folder)
        : shell_(kShellFolders, "Cache", REG_SZ, folder),
          user_(kUserShellFolders, "Cache", REG_EXPAND_SZ, folder) {}

private:
    RegistryValueOverride shell_, user_;
};
