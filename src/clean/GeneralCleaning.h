// The cleaning routines of the shell's history lists, the temporary folder and the Recycle
// Bin. Each appends its block of lines to the run's report text and never lets a failure
// reach the caller: it writes a "File: ", "Folder: " or "Error: " line instead.
#pragma once

#include <string>
#include <vector>

#include "clean/RegistryTraces.h"
#include "settings/Boolean.h"

class cRegistry;
struct FoundRow;

// The find steps of these items (the clean steps do what the routines below say).
FoundRow FindRunHistory(cRegistry& registry);
FoundRow FindShellHistory(cRegistry& registry, Boolean find);
FoundRow FindExplorerHistoryItem(cRegistry& registry);
FoundRow FindTempFiles();
FoundRow FindRecycleBin();

// Deletes the Start-menu Run history key; always "Completed".
void CleanRunHistory(cRegistry& registry, std::string& report);

// Empties the Recent folder (files only); with `find` True first empties the Find/Search
// history key.
void CleanShellHistory(cRegistry& registry, std::string& report, Boolean find);

// Explorer's history lists below HKEY_CURRENT_USER: the values of the typed folders, of the
// Open and Save dialogs, of the mapped network drives, of the programs run (UserAssist), of
// Paint's and WordPad's recent files and of the remote desktop's default, and the key of each
// remote computer. Finds them, changing nothing; a missing key has none.
std::vector<RegistryTrace> FindExplorerHistory(cRegistry& registry);

// Removes what FindExplorerHistory lists; the keys themselves stay. Every trace is tried; a
// failure ends the block with an "Error: " line.
void CleanExplorerHistory(cRegistry& registry, std::string& report);

// Empties the current user's temporary folder: every subfolder with its contents, then every
// loose file, read-only ones too. The folder itself stays.
void CleanTempFiles(cRegistry& registry, std::string& report);

// Empties the Recycle Bins of every drive, silently.
void EmptyRecycleBin(std::string& report);
