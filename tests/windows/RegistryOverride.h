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

// Internet Explorer as the default browser, with its version.
struct ExplorerRegistered {
    explicit ExplorerRegistered(const std::string& version = "6.0.2800.1106",
                                const std::string& command = kExplorerCommand)
        : command_(command),
          version_(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "Version",
                   version) {}
    HttpCommandOverride command_;
    RegistryOverride version_;
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
