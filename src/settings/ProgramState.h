// Program-wide state shared by start-up, cleaning and browser discovery. There is one thread,
// so no locking is needed.
#pragma once

#include <string>
#include <vector>

struct NSProfile {
    std::string name;
    std::string folder;
};

struct ProgramState {
    bool automaticMode = false;         // started with "1"; cleared after start-up is handled
    bool windowsNT = false;             // NT family (NT, 2000, XP and later)
    bool windows7OrLater = false;       // Windows 7 and later: RecentDocs, WordWheelQuery
    bool interactiveCache = false;      // an interactive run cleaned the browser cache
    bool interactiveHistory = false;    // an interactive run cleaned the browser history
    std::vector<NSProfile> nsProfiles;  // Netscape/Mozilla profiles read at start-up
};

// The one instance of the process.
ProgramState& Program();
