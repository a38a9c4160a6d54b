// Sandboxes for the cookie tests: the shell's "Cookies" folder pointed at a sandbox folder,
// the program's Netscape profile table holding one profile in a sandbox folder, and empty
// keep-list keys. Each restores what it changed at the end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "RegistrySandbox.h"
#include "Sandbox.h"
#include "settings/ProgramState.h"
#include "settings/cSettings.h"

inline constexpr const char* kIEKeepKey = "Software\\Brisvane\\Settings\\Cookies";
inline constexpr const char* kNSKeepKey = "Software\\Brisvane\\Settings\\NSCookies";

// Sets the "Cookies" value of "Shell Folders" and "User Shell Folders" (WinINet copies the
// second over the first when it starts); restores both at the end.
class CookieFolderRedirect {
  public:
    explicit CookieFolderRedirect(const std::string& folder) {
        for (Saved& saved : saved_) {
            HKEY key = Open(saved.section);
            char buffer[4096] = {};
            DWORD size = sizeof buffer;
            saved.had = RegQueryValueExA(key, "Cookies", nullptr, &saved.type,
                                         reinterpret_cast<BYTE*>(buffer), &size) == 0;
            if (saved.had) saved.data.assign(buffer, size);
            RegSetValueExA(key, "Cookies", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                           static_cast<DWORD>(folder.size() + 1));
            RegCloseKey(key);
        }
    }
    ~CookieFolderRedirect() {
        for (const Saved& saved : saved_) {
            HKEY key = Open(saved.section);
            if (saved.had) {
                RegSetValueExA(key, "Cookies", 0, saved.type,
                               reinterpret_cast<const BYTE*>(saved.data.data()),
                               static_cast<DWORD>(saved.data.size()));
            } else {
                RegDeleteValueA(key, "Cookies");
            }
            RegCloseKey(key);
        }
    }
    CookieFolderRedirect(const CookieFolderRedirect&) = delete;
    CookieFolderRedirect& operator=(const CookieFolderRedirect&) = delete;

  private:
    struct Saved {
        const char* section;
        bool had = false;
        DWORD type = 0;
        std::string data;
    };
    static HKEY Open(const char* section) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, section, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr);
        return key;
    }
    Saved saved_[2] = {
        {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", false, 0, {}},
        {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
         false,
         0,
         {}}};
};

// The program's profile table holds one profile "sandbox" in `folder`, and the settings
// choose it; the table is restored at the end.
class ProfileRedirect {
  public:
    ProfileRedirect(const std::string& folder, cSettings& settings) : saved_(Program().nsProfiles) {
        Program().nsProfiles = {{"other", folder + "\\not-this-one"}, {"sandbox", folder}};
        settings.SetDefaultNSProfile("sandbox");
    }
    ~ProfileRedirect() { Program().nsProfiles = saved_; }
    ProfileRedirect(const ProfileRedirect&) = delete;
    ProfileRedirect& operator=(const ProfileRedirect&) = delete;

  private:
    std::vector<NSProfile> saved_;
};

// Both keep-list keys are missing at the start and removed at the end.
class KeepListKeys {
  public:
    KeepListKeys() { Clear(); }
    ~KeepListKeys() { Clear(); }
    KeepListKeys(const KeepListKeys&) = delete;
    KeepListKeys& operator=(const KeepListKeys&) = delete;

    // Stores the names as Cookie0.. directly, as a previous session would have.
    static void Store(const char* key, const std::vector<std::string>& names) {
        CreateRawKey(key);
        for (std::size_t i = 0; i < names.size(); ++i) {
            WriteRaw(key, "Cookie" + std::to_string(i), REG_SZ, SzBytes(names[i]));
        }
    }

    // The key's values as name=data, in the registry's order; {"<no key>"} when it is missing.
    static std::vector<std::string> Stored(const char* key) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != 0) return {"<no key>"};
        std::vector<std::string> values;
        for (DWORD i = 0;; ++i) {
            char name[256] = {};
            BYTE data[1024] = {};
            DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
            if (RegEnumValueA(handle, i, name, &nameSize, nullptr, &type, data, &dataSize) != 0) {
                break;
            }
            std::string text(reinterpret_cast<char*>(data), dataSize > 0 ? dataSize - 1 : 0);
            values.push_back(std::string(name) + (type == REG_SZ ? "=" : "?=") + text);
        }
        RegCloseKey(handle);
        return values;
    }

  private:
    static void Clear() {
        RegDeleteTreeA(HKEY_CURRENT_USER, kIEKeepKey);
        RegDeleteTreeA(HKEY_CURRENT_USER, kNSKeepKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kIEKeepKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kNSKeepKey);
    }
};
