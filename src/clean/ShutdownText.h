// The texts of the log-on registration and of the shut-down cleaning: the Run value, the lines
// added to the uninstall log, the command and batch files that remove the browser's cache and
// history folders, the shut-down "scripts.ini" and the lines added to "c:\autoexec.bat". Every
// line ends with CR LF. No system call: the callers read and write the files.
#pragma once

#include <string>

class cSettings;

inline constexpr const char* kUninstallLogName = "ST6UNST.LOG";
inline constexpr const char* kUninstallLogMarker = "%% Modified by Brisvane";

// The Run value's command: the program's path in double quotes, a blank and "1", so that a
// folder with blanks can never start another program in a folder above it.
std::string RunValueText(const std::string& programFolder);

// What to append to the uninstall log: "" when a line holds the marker already, else the two
// lines that tell the uninstaller to remove the Run value (after a line end of its own when
// the log does not end with one).
std::string UninstallLogAddition(const std::string& logText);

// True for a short folder path that a script may name: absolute, below a drive or share root
// (never the root itself), ending with a backslash, and free of blanks and of the characters
// that the command interpreter would read as more than a name.
bool IsScriptableFolder(const std::string& shortFolder);

// The two lines of a command or batch file: "@echo off" and `command` + " " + the folder.
// "" when the folder may not be named (see IsScriptableFolder): no such file is written.
std::string DeletionScriptText(const std::string& command, const std::string& shortFolder);

struct ShutdownWanted {
    bool cache = false;
    bool history = false;
    bool Any() const { return cache || history; }
};

// The cache and history wanted at shut-down: those ticked when cleaning at start-up or at
// shut-down is on, and those an interactive run cleaned since the program started.
ShutdownWanted WantedAtShutdown(const cSettings& settings, bool interactiveCache,
                                bool interactiveHistory);

// The shut-down "scripts.ini": an empty line, "[Shutdown]" and one numbered entry per wanted
// command file, counted from 0. "" when nothing is wanted.
std::string ScriptsIniText(ShutdownWanted wanted);

// The lines appended to "c:\autoexec.bat": an empty line, then "@echo off" and the batch file
// of each wanted folder. "" when nothing is wanted.
std::string AutoexecAddition(ShutdownWanted wanted);
