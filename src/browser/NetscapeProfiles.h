// The Netscape/Mozilla profiles of the user: read at start-up from the browser's
// "registry.dat" below the application-data folder into the program's profile table and the
// main window's profile list, and the saved profile selected in that list.
#pragma once

#include <windows.h>

#include <string>

class cRegistry;
class cSettings;
class IProgress;

// Reads "<AppData>\Mozilla\registry.dat" in chunks of 100 characters with `progress` showing
// how far it has come (unloaded again at the end), adds every profile whose folder exists to the
// program's profile table, and fills `cboProfile` with the table's names, selecting the first.
// Raises AppError when the file cannot be read or a profile folder has no name.
void ReadNetscapeProfiles(cRegistry& registry, HWND cboProfile, IProgress& progress);

// Selects the saved profile (DefaultNSProfile) in `cboProfile`. A name that is not listed is
// replaced, in memory and in the registry, by the name of the table's first profile.
void ShowProfileSetting(cSettings& settings, HWND cboProfile, cRegistry& registry);

// Selects the entry whose text is exactly `text` (case-sensitive); false when none is.
bool SelectListEntry(HWND list, const std::string& text);
