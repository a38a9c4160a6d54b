// The end-to-end driver's hands and eyes: it starts Brisvane.exe, finds its windows by caption
// and their controls by id, clicks and types like a user, reads the registry and files, and
// saves a screenshot of every window it visits.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "DialogProbe.h"
#include "FileTree.h"
#include "version.h"

// The main window's caption.
inline const std::string kMainTitle = "Brisvane - Ver " + std::to_string(BRISVANE_VERSION_MAJOR) +
                                      "." + std::to_string(BRISVANE_VERSION_MINOR);

// Failed checks are counted and reported; the scenario goes on where it can.
int Failures();
bool Check(bool ok, const std::string& what);

class Driver {
  public:
    // Screenshots go to <shotFolder>\<shotPrefix>-<n>-<name>.bmp.
    Driver(std::string exePath, std::string shotFolder, std::string shotPrefix);
    ~Driver();

    // Starts the program with an argument text; ends any earlier instance first. Waits until
    // it is idle unless told not to (a log-on start cleans before it ever waits for input).
    void Start(const std::string& arguments = "", bool waitForIdle = true);
    bool Exited(DWORD waitMs);
    // The exit status of the program started last, once it has ended (STILL_ACTIVE before).
    DWORD ExitCode() const;
    void Kill();
    DWORD ProcessId() const { return pid_; }

    // A visible dialog of the program with this caption, waited for up to `waitMs`.
    HWND WaitWindow(const std::string& caption, DWORD waitMs = 15000);
    // A visible pop-up menu of the program.
    HWND WaitMenu(DWORD waitMs = 5000);
    bool WaitGone(HWND window, DWORD waitMs);
    // The visible message box titled "Brisvane" and its text.
    HWND WaitMessageBox(std::string& text, DWORD waitMs = 10000);

    // Saves a screenshot of the window (its screen area).
    void Shot(HWND window, const std::string& name);
    // Saves a screenshot of the whole screen.
    void ScreenShot(const std::string& name);

  private:
    HWND FindShown(const char* cls, const char* caption) const;
    std::string ShotPath(const std::string& name);

    std::string exe_;
    std::string shots_;
    std::string prefix_;
    int shotCount_ = 0;
    PROCESS_INFORMATION process_{};
    DWORD pid_ = 0;
};

// Moves tabMain to a page with the arrow keys, as the keyboard would.
void SelectTab(HWND dialog, int tabId, int page);
std::string StatusText(HWND dialog, int statusId);
// Pauses while the other program works.
void Wait(DWORD ms);

// HKEY_CURRENT_USER\Software\Brisvane\Settings
std::string StoredSetting(const std::string& name);                   // "<missing>" when absent
void StoreSetting(const std::string& name, const std::string& text);  // REG_SZ
void DeleteBrisvaneKey();
std::vector<std::string> FilesIn(const std::string& folder);  // names only
// Windows path of a Unix path: through the drive mapped to the build folder when inside it,
// else through Wine's Z: drive.
std::string WindowsPath(const std::string& unixPath);
