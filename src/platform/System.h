// System services of the platform used by start-up and cleaning.
#pragma once

#include <cstdint>
#include <string>

// GetVersionExA with a record of size 148 and every other field zero; returns dwPlatformId,
// which stays 0 when the call fails.
unsigned long QueryPlatformId();

// True on Windows 7 (version 6.1) and later, as GetVersionExA reports the version; false when
// the call fails.
bool QueryWindows7OrLater();

// The command line of the process as the system gives it.
std::string ProcessCommandLine();

// The folder that holds the running executable, without a trailing backslash.
std::string ProgramFolder();

// The running executable's file name without folder and extension.
std::string ProgramName();

// The current user's temporary folder as GetTempPathA gives it (with its trailing backslash),
// however long it is. Raises AppError when the system gives none.
std::string TempFolderPath();

// The system folder as GetSystemDirectoryA gives it into a buffer of 255 characters. Raises
// AppError when the system gives none or it does not fit.
std::string SystemFolder();

// The short (8.3) form of an existing path as GetShortPathNameA gives it into a buffer of 164
// characters; "" when the path does not exist or its short form does not fit.
std::string ShortPathName(const std::string& path);

// SHEmptyRecycleBinA with no owner window, the root "" (every drive) and the flags 7 (no
// confirmation, no progress, no sound); returns the call's result. Raises AppError when the
// shell library or the function cannot be loaded.
long EmptyRecycleBinAllDrives();

// What the Recycle Bins of every drive hold (SHQueryRecycleBinA with the root ""); false when
// the shell cannot say.
bool QueryRecycleBins(std::uint64_t& items, std::uint64_t& bytes);

// The user's local application-data folder ("" when the shell has none), outside every folder
// an item cleans: where a find step keeps a scratch copy of a database.
std::string LocalAppDataFolder();

// SHAddToRecentDocs with no item: the shell clears its own list of recently used documents,
// and on Windows 7 and later the jump lists and the recent files of Quick Access with it.
void ClearShellRecentDocuments();

// True for a folder that no cleaning may empty even when the system names it as the temporary
// folder: a drive root, the Windows folder, the system folder or the user's profile folder.
bool IsProtectedFolder(const std::string& path);

// Calls ClearHistory of the history library "Brisvane.dll" in `folder`, loaded on first use by
// its full path (never through the search path, so a library of that name in the current
// folder or on PATH is never run) and kept loaded. Raises AppError when the library or its
// ClearHistory cannot be loaded.
void CallClearHistory(const std::string& folder);

// Starts the program of a command line in a normal window that receives the focus, without
// waiting for it. Raises AppError with the system's text when it cannot be started.
void StartProgram(const std::string& commandLine);

// Held for the life of a clean run: a named mutex of the session, so that two Brisvane
// processes never clean at once. A run that finds it held waits until the other run has ended
// (or its process has gone). Without the mutex (the system refused it) the run goes on alone.
class CleanLock {
  public:
    CleanLock();
    ~CleanLock();
    CleanLock(const CleanLock&) = delete;
    CleanLock& operator=(const CleanLock&) = delete;

  private:
    void* mutex_ = nullptr;
};
