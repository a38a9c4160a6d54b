// The browser registrations of the tests, each set for the life of an object and then restored.
#pragma once

#include <string>

#include "RegistrySandbox.h"

inline const char* kHttpCommand = "http\\shell\\open\\command";
inline const char* kWineBrowserCommand = "\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"";
inline const char* kExplorerCommand = "\"C:\\PROGRA~1\\INTERN~1\\IEXPLORE.EXE\" -nohome";
inline const char* kNetscapeCommand =
    "\"C:\\Program Files\\Netscape\\Netscape\\Netscp.exe\" -url \"%1\"";

// The "http" command of HKEY_CLASSES_ROOT.
struct HttpCommandOverride : RegistryOverride {
    explicit HttpCommandOverride(const std::string& command)
        : RegistryOverride(HKEY_CLASSES_ROOT, kHttpCommand, "", command) {}
};

// Internet Explorer as the default browser, with its version. `serviceVersion` is the
// "svcVersion" of Internet Explorer 10 and later; without one the value is removed, as earlier
// versions have none (a new Wine prefix holds one).
struct ExplorerRegistered {
    explicit ExplorerRegistered(const std::string& version = "6.0.2800.1106",
                                const std::string& command = kExplorerCommand,
                                const char* serviceVersion = nullptr)
        : command_(command),
          version_(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "Version",
                   version),
          serviceVersion_(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer",
                          "svcVersion", serviceVersion != nullptr ? serviceVersion : "", "", REG_SZ,
                          serviceVersion == nullptr) {}
    HttpCommandOverride command_;
    RegistryOverride version_;
    RegistryOverride serviceVersion_;
};

// Netscape as the default browser, with one product key and its version.
struct NetscapeRegistered {
    explicit NetscapeRegistered(const std::string& version = "7.1 (en)",
                                const std::string& product = "Netscape 7",
                                const std::string& command = kNetscapeCommand)
        : command_(command),
          version_(HKEY_LOCAL_MACHINE, "Software\\Netscape\\" + product, "CurrentVersion", version,
                   "Software\\Netscape") {}
    HttpCommandOverride command_;
    RegistryOverride version_;
};

// The shallowest key on `path` that does not exist yet ("" when the whole path exists): the key
// to remove afterwards when a test creates `path`, so that no parent it created stays behind.
inline std::string FirstMissingKey(HKEY root, const std::string& path) {
    for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        const std::string prefix = path.substr(0, end);
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, prefix.c_str(), 0, KEY_READ, &key) != 0) return prefix;
        RegCloseKey(key);
        if (end == std::string::npos) return "";
    }
}

inline const char* kHttpAssociationsKey =
    "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\";

// The ProgId that Windows records as the user's "http" choice under `choiceKey` ("UserChoice",
// or "UserChoiceLatest" of Windows 11).
struct HttpChoiceRegistered {
    HttpChoiceRegistered(const std::string& choiceKey, const std::string& progId)
        : choice_(HKEY_CURRENT_USER, kHttpAssociationsKey + choiceKey, "ProgId", progId,
                  FirstMissingKey(HKEY_CURRENT_USER, kHttpAssociationsKey + choiceKey)) {}
    RegistryOverride choice_;
};

// The user's "http" choice as Windows 11 24H2 and later record it: the ProgId in the value
// "ProgId" of UserChoiceLatest's subkey "ProgId", and only a "Hash" on UserChoiceLatest itself.
struct LatestHttpChoiceRegistered {
    explicit LatestHttpChoiceRegistered(const std::string& progId)
        : hash_(HKEY_CURRENT_USER, kLatestKey, "Hash",
                "u0ZCbJ2Cv5E=", FirstMissingKey(HKEY_CURRENT_USER, kLatestKey)),
          choice_("UserChoiceLatest\\ProgId", progId) {}
    inline static const std::string kLatestKey =
        std::string(kHttpAssociationsKey) + "UserChoiceLatest";
    RegistryOverride hash_;
    HttpChoiceRegistered choice_;
};

// A ProgId of HKEY_CLASSES_ROOT with its open command, or with none when `command` is null.
struct ProgIdRegistered {
    ProgIdRegistered(const std::string& progId, const char* command)
        : description_(HKEY_CLASSES_ROOT, progId, "", "Brisvane test ProgId", progId),
          command_(HKEY_CLASSES_ROOT, progId + "\\shell\\open\\command", "",
                   command != nullptr ? command : "", "", REG_SZ, command == nullptr) {}
    RegistryOverride description_;
    RegistryOverride command_;
};
