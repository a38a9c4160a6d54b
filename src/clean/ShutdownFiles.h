// The files of the shut-down cleaning and the steps that the start-up preparation and the
// installation at closing share.
#pragma once

#include <string>

class cRegistry;

inline constexpr const char* kDelTempBat = "c:\\del_temp.bat";
inline constexpr const char* kDelHistBat = "c:\\del_hist.bat";
inline constexpr const char* kAutoexecBat = "c:\\autoexec.bat";
inline constexpr const char* kAutoexecCln = "c:\\autoexec.cln";

// <system folder>\GroupPolicy\Machine\Scripts\scripts.ini, and the two command files in its
// Shutdown folder.
std::string ScriptsIniPath();
std::string DelTempCmdPath();
std::string DelHistoryCmdPath();

struct BrowserFolders {
    std::string cache;
    std::string history;
};

// The browser's cache and history folders from "Shell Folders", each falling back to "User
// Shell Folders" when empty.
BrowserFolders ReadBrowserFolders(cRegistry& registry);

// NT family: creates the four GroupPolicy folders that are missing, in order, and each command
// file that does not exist yet.
void CreateCommandFiles(const BrowserFolders& folders);

// Writes the deletion script `command` + folder into `path` unless the file exists; a folder
// that a script may not name writes no file. Returns whether the file exists afterwards.
bool WriteDeletionScriptOnce(const std::string& path, const std::string& command,
                             const std::string& folder);

void RemoveFileIfPresent(const std::string& path);

// The whole of a text file, byte for byte.
std::string ReadWholeText(const std::string& path);
