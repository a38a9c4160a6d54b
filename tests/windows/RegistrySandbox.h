// The registry sandbox of the tests: a sub-key of HKEY_CURRENT_USER that exists for one test
// only, raw access to values (so that tests check what the registry holds without going through
// the code under test), and values set or removed for the life of an object and then restored
// exactly as they were.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

inline const char* kTestRoot = "Software\\BrisvaneTest";

class RegistryTestKey {
  public:
    explicit RegistryTestKey(const std::string& name)
        : path_(std::string(kTestRoot) + "\\" + name) {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
    ~RegistryTestKey() { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }
    RegistryTestKey(const RegistryTestKey&) = delete;
    RegistryTestKey& operator=(const RegistryTestKey&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

struct RawValue {
    bool exists = false;
    DWORD type = 0;
    std::vector<std::uint8_t> data;
};

inline void CreateRawKey(const std::string& path) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegCloseKey(key);
}

// Creates name below an existing parent, relative to the parent's handle: Wine's 8-bit
// functions refuse a whole path longer than MAX_PATH, but a long name alone is accepted.
inline void CreateRawSubKey(const std::string& parentPath, const std::string& name) {
    HKEY parent = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, parentPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &parent, nullptr);
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        RegCloseKey(key);
    }
    RegCloseKey(parent);
}

inline void WriteRaw(const std::string& path, const std::string& name, DWORD type,
                     const std::vector<std::uint8_t>& data) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

// A string value's bytes: the text and its terminating zero.
inline std::vector<std::uint8_t> SzBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

inline RawValue ReadRaw(const std::string& path, const std::string& name) {
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != 0) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == 0) {
        value.exists = true;
        value.data.resize(size);
        RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(), &size);
        value.data.resize(size);
    }
    RegCloseKey(key);
    return value;
}

// The text of a value up to its first zero, as stored (unexpanded); "<missing>" when absent.
inline std::string ReadRawText(const std::string& path, const std::string& name) {
    RawValue raw = ReadRaw(path, name);
    if (!raw.exists) return "<missing>";
    std::string text(raw.data.begin(), raw.data.end());
    return text.substr(0, text.find('\0'));
}

inline bool RawKeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != 0) return false;
    RegCloseKey(key);
    return true;
}

// Gives one registry value a text (or, with `remove`, takes it away) for the life of an object
// and restores what was there afterwards (the old data and type, or no value). A key named as
// owned that did not exist before is removed afterwards with everything below it.
class RegistryOverride {
  public:
    RegistryOverride(HKEY root, std::string path, std::string name, const std::string& text,
                     std::string ownedKey = "", DWORD type = REG_SZ, bool remove = false)
        : root_(root), path_(std::move(path)), name_(std::move(name)), owned_(std::move(ownedKey)) {
        HKEY key = nullptr;
        if (!owned_.empty() && RegOpenKeyExA(root_, owned_.c_str(), 0, KEY_READ, &key) == 0) {
            RegCloseKey(key);
            owned_.clear();  // it existed: restore the value only
        }
        if (RegOpenKeyExA(root_, path_.c_str(), 0, KEY_QUERY_VALUE, &key) == 0) {
            DWORD size = 0;
            had_ = RegQueryValueExA(key, name_.c_str(), nullptr, &type_, nullptr, &size) == 0;
            data_.resize(size);
            if (had_) RegQueryValueExA(key, name_.c_str(), nullptr, &type_, data_.data(), &size);
            RegCloseKey(key);
        }
        if (remove) {
            Delete();
        } else {
            Write(type, reinterpret_cast<const BYTE*>(text.c_str()),
                  static_cast<DWORD>(text.size() + 1));
        }
    }
    ~RegistryOverride() {
        if (!owned_.empty()) {
            RegDeleteTreeA(root_, owned_.c_str());
        } else if (had_) {
            Write(type_, data_.data(), static_cast<DWORD>(data_.size()));
        } else {
            Delete();
        }
    }
    RegistryOverride(const RegistryOverride&) = delete;
    RegistryOverride& operator=(const RegistryOverride&) = delete;

  private:
    void Delete() const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_, path_.c_str(), 0, KEY_SET_VALUE, &key) == 0) {
            RegDeleteValueA(key, name_.c_str());
            RegCloseKey(key);
        }
    }
    void Write(DWORD type, const BYTE* data, DWORD size) const {
        HKEY key = nullptr;
        RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExA(key, name_.c_str(), 0, type, data, size);
        RegCloseKey(key);
    }

    HKEY root_;
    std::string path_, name_, owned_;
    bool had_ = false;
    DWORD type_ = REG_SZ;
    std::vector<BYTE> data_;
};

// The same for a value of HKEY_CURRENT_USER.
struct RegistryValueOverride : RegistryOverride {
    RegistryValueOverride(const std::string& key, const std::string& name, DWORD type,
                          const std::string& text, bool remove = false)
        : RegistryOverride(HKEY_CURRENT_USER, key, name, text, "", type, remove) {}
};

inline constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

inline constexpr const char* kUserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Sets (or, with `remove`, deletes) the "Recent" shell folder value; restores it at the end.
struct RecentRedirect : RegistryValueOverride {
    explicit RecentRedirect(const std::string& folder, bool remove = false)
        : RegistryValueOverride(kShellFolders, "Recent", REG_SZ, folder, remove) {}
};

// Points one shell folder at `folder` in both shell-folder keys ("User Shell Folders" with the
// given type); restores both at the end.
struct ShellFolderRedirect {
    ShellFolderRedirect(const std::string& name, const std::string& folder, DWORD userType = REG_SZ)
        : shell(kShellFolders, name, REG_SZ, folder),
          user(kUserShellFolders, name, userType, folder) {}
    RegistryValueOverride shell, user;
};

// Points "Cache" at `folder`: WinINet copies "User Shell Folders" over "Shell Folders" whenever
// it starts, so both are set.
struct CacheRedirect : ShellFolderRedirect {
    explicit CacheRedirect(const std::string& folder)
        : ShellFolderRedirect("Cache", folder, REG_EXPAND_SZ) {}
};

// Keeps a copy of a key of HKEY_CURRENT_USER with everything below it and puts it back at the
// end (or removes the key when it did not exist), so that a test may fill or delete it freely.
class SavedKey {
  public:
    explicit SavedKey(std::string path) : path_(std::move(path)), copy_(CopyName(path_)) {
        HKEY key = nullptr;
        existed_ = RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) == 0;
        if (existed_) {
            CopyTree(key, copy_.Path());
            RegCloseKey(key);
        }
    }
    ~SavedKey() {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        HKEY copy = nullptr;
        if (existed_ &&
            RegOpenKeyExA(HKEY_CURRENT_USER, copy_.Path().c_str(), 0, KEY_READ, &copy) == 0) {
            CopyTree(copy, path_);
            RegCloseKey(copy);
        }
    }
    SavedKey(const SavedKey&) = delete;
    SavedKey& operator=(const SavedKey&) = delete;

  private:
    static std::string CopyName(std::string path) {
        for (char& c : path) {
            if (c == '\\') c = '_';
        }
        return "Saved " + path;
    }
    static void CopyTree(HKEY from, const std::string& toPath) {
        HKEY to = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, toPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &to, nullptr);
        RegCopyTreeA(from, nullptr, to);
        RegCloseKey(to);
    }

    std::string path_;
    RegistryTestKey copy_;
    bool existed_ = false;
};
