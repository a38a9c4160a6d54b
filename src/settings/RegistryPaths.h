// The registry keys and value names the program reads and writes, in one place, and the one way
// to address them: AddressValue sets the registry object's root, key path and value name
// together, AddressKey the root and key path of a key operation. The texts are the system's own
// (or the program's stored ones) and must stay exactly as they are.
#pragma once

#include <cstdint>
#include <string>

#include "settings/cRegistry.h"

// Prefixes shared by several keys below; undefined again at the end of this header.
#define REGPATH_SETTINGS "Software\\Brisvane\\Settings"
#define REGPATH_EXPLORER "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"
#define REGPATH_COMDLG REGPATH_EXPLORER "\\ComDlg32"
#define REGPATH_APPLETS "Software\\Microsoft\\Windows\\CurrentVersion\\Applets"
#define REGPATH_REMOTE_DESKTOP "Software\\Microsoft\\Terminal Server Client"
#define REGPATH_INTERNET_EXPLORER "Software\\Microsoft\\Internet Explorer"
#define REGPATH_HTTP_CHOICE \
    "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http"
#define REGPATH_OPEN_COMMAND "\\shell\\open\\command"
#define REGPATH_POLICIES "Software\\Policies\\Brisvane"

namespace regpath {

// The program's own settings, below HKEY_CURRENT_USER.
inline constexpr const char* kSettings = REGPATH_SETTINGS;
inline constexpr const char* kBrowsers = REGPATH_SETTINGS "\\Browsers";
inline constexpr const char* kSites = REGPATH_SETTINGS "\\Sites";
// Values of kBrowsers: the parts to clean, in the order of BrowserParts (the ticked profiles'
// values are named after the profiles). A kept site is kSiteValuePrefix followed by 0, 1, ...
inline constexpr const char* kBrowserPartValues[] = {"History", "Cookies", "Cache", "Sessions"};
inline constexpr const char* kSiteValuePrefix = "Site";
// The cookie keep-lists: kSettings followed by the suffix of the browser family.
inline constexpr const char* kIECookiesSuffix = "\\Cookies";
inline constexpr const char* kNSCookiesSuffix = "\\NSCookies";

// The administrators' policies, below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER: one REG_DWORD
// value per policy (settings/PolicyTable.h) and the sub-key of the kept sites, whose REG_SZ
// values are named "1", "2", ...
inline constexpr const char* kPolicies = REGPATH_POLICIES;
inline constexpr const char* kSitesToKeepName = "SitesToKeep";
inline constexpr const char* kSitesToKeep = REGPATH_POLICIES "\\SitesToKeep";

// Values of kSettings that are not options: the stored password hash and the chosen Netscape
// profile; a keep-list's entries are kCookieValuePrefix followed by 0, 1, ...
inline constexpr const char* kPasswordValue = "BrisvanePassword";
inline constexpr const char* kProfileValue = "DefaultNSProfile";
inline constexpr const char* kCookieValuePrefix = "Cookie";

// The shell's per-user keys, below HKEY_CURRENT_USER.
inline constexpr const char* kExplorer = REGPATH_EXPLORER;
// The user's folders: "Shell Folders" as plain paths, "User Shell Folders" with %NAME% parts.
inline constexpr const char* kShellFolders = REGPATH_EXPLORER "\\Shell Folders";
inline constexpr const char* kUserShellFolders = REGPATH_EXPLORER "\\User Shell Folders";
// The histories the shell keeps: the Run box, the recent documents, the Find/Search terms and
// (Windows 7 and later) the search box's terms.
inline constexpr const char* kRunMru = REGPATH_EXPLORER "\\RunMRU";
inline constexpr const char* kRecentDocs = REGPATH_EXPLORER "\\RecentDocs";
inline constexpr const char* kDocFindSpecMru = REGPATH_EXPLORER "\\Doc Find Spec MRU";
inline constexpr const char* kWordWheelQuery = REGPATH_EXPLORER "\\WordWheelQuery";
// Explorer's own history lists: the folders typed into its address bar, the files and folders
// of the Open and Save dialogs (per file extension in sub-keys of the two OpenSave keys; the
// ...MRU keys before Windows Vista), the dialogs' sizes, the network drives mapped, the
// programs run with their counts (kUserAssistCount below each GUID key of kUserAssist), the
// files of Paint and WordPad, and the remote desktops connected (a sub-key of
// kRemoteDesktopServers per computer).
inline constexpr const char* kTypedPaths = REGPATH_EXPLORER "\\TypedPaths";
inline constexpr const char* kOpenSavePidlMru = REGPATH_COMDLG "\\OpenSavePidlMRU";
inline constexpr const char* kLastVisitedPidlMru = REGPATH_COMDLG "\\LastVisitedPidlMRU";
inline constexpr const char* kLastVisitedPidlMruLegacy =
    REGPATH_COMDLG "\\LastVisitedPidlMRULegacy";
inline constexpr const char* kCidSizeMru = REGPATH_COMDLG "\\CIDSizeMRU";
inline constexpr const char* kOpenSaveMru = REGPATH_COMDLG "\\OpenSaveMRU";
inline constexpr const char* kLastVisitedMru = REGPATH_COMDLG "\\LastVisitedMRU";
inline constexpr const char* kMapNetworkDriveMru = REGPATH_EXPLORER "\\Map Network Drive MRU";
inline constexpr const char* kUserAssist = REGPATH_EXPLORER "\\UserAssist";
inline constexpr const char* kUserAssistCount = "Count";
inline constexpr const char* kPaintRecentFiles = REGPATH_APPLETS "\\Paint\\Recent File List";
inline constexpr const char* kWordpadRecentFiles = REGPATH_APPLETS "\\Wordpad\\Recent File List";
inline constexpr const char* kRemoteDesktopDefault = REGPATH_REMOTE_DESKTOP "\\Default";
inline constexpr const char* kRemoteDesktopServers = REGPATH_REMOTE_DESKTOP "\\Servers";
// The programs started at log-on, and the program's own value there.
inline constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\run";
inline constexpr const char* kRunValue = "clean";

// Values of kShellFolders and kUserShellFolders.
inline constexpr const char* kAppDataValue = "AppData";
inline constexpr const char* kLocalAppDataValue = "Local AppData";
inline constexpr const char* kCacheValue = "Cache";
inline constexpr const char* kCookiesValue = "Cookies";
inline constexpr const char* kHistoryValue = "History";
inline constexpr const char* kRecentValue = "Recent";

// The addresses the user typed into Internet Explorer (HKEY_CURRENT_USER), and its version
// (HKEY_LOCAL_MACHINE): "svcVersion" from version 10 on, "Version" before.
inline constexpr const char* kTypedUrls = REGPATH_INTERNET_EXPLORER "\\TypedURLs";
inline constexpr const char* kInternetExplorer = REGPATH_INTERNET_EXPLORER;
inline constexpr const char* kServiceVersionValue = "svcVersion";
inline constexpr const char* kVersionValue = "Version";

// Netscape's products (HKEY_LOCAL_MACHINE), one key each with its "CurrentVersion".
inline constexpr const char* kNetscape = "Software\\Netscape";
inline constexpr const char* kCurrentVersionValue = "CurrentVersion";

// The user's choice of "http" handler (HKEY_CURRENT_USER): the chosen ProgId's name in "ProgId".
// Windows 11 24H2 and later write it to the subkey "ProgId" of UserChoiceLatest (the key itself
// holds only "Hash") and leave UserChoice as it was.
inline constexpr const char* kUserChoiceLatestProgId =
    REGPATH_HTTP_CHOICE "\\UserChoiceLatest\\ProgId";
inline constexpr const char* kUserChoiceLatest = REGPATH_HTTP_CHOICE "\\UserChoiceLatest";
inline constexpr const char* kUserChoice = REGPATH_HTTP_CHOICE "\\UserChoice";
inline constexpr const char* kProgIdValue = "ProgId";
// The open command of a ProgId or protocol below HKEY_CLASSES_ROOT: its name followed by this.
inline constexpr const char* kOpenCommandSuffix = REGPATH_OPEN_COMMAND;
inline constexpr const char* kHttpCommand = "http" REGPATH_OPEN_COMMAND;

}  // namespace regpath

#undef REGPATH_SETTINGS
#undef REGPATH_EXPLORER
#undef REGPATH_COMDLG
#undef REGPATH_APPLETS
#undef REGPATH_REMOTE_DESKTOP
#undef REGPATH_INTERNET_EXPLORER
#undef REGPATH_HTTP_CHOICE
#undef REGPATH_OPEN_COMMAND
#undef REGPATH_POLICIES

inline void AddressValue(cRegistry& registry, std::int32_t root, const std::string& path,
                         const std::string& name) {
    registry.SetClassKey(root);
    registry.SetSectionKey(path);
    registry.SetValueKey(name);
}

// A key as a whole (create, delete, list): the value name is the key's unnamed value.
inline void AddressKey(cRegistry& registry, std::int32_t root, const std::string& path) {
    AddressValue(registry, root, path, "");
}
