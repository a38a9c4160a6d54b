// Sandbox folders for tests that clean real folders: everything lives under the
// BRISVANE_SANDBOX folder of the test run, and the temporary folder (TEMP/TMP) and the shell's
// Recent folder can be pointed there for the life of an object.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "FileTree.h"
#include "RegistrySandbox.h"

// The sandbox root as a Windows path: the drive the test wrapper maps to it (short wherever the
// checkout lives), else its path on Wine's Z: drive.
std::string SandboxRoot();
// A Windows path on the Z: drive or the sandbox drive as a Unix path; a Unix path as a Windows
// path on the Z: drive.
std::string UnixPath(const std::string& windowsPath);
std::string WindowsPath(const std::string& unixPath);

// A fresh, empty folder under the sandbox root, unique to this object; removed with
// everything in it at the end.
class SandboxFolder {
  public:
    explicit SandboxFolder(const std::string& name);
    ~SandboxFolder();
    SandboxFolder(const SandboxFolder&) = delete;
    SandboxFolder& operator=(const SandboxFolder&) = delete;

    const std::string& Path() const { return path_; }
    // A path inside the folder.
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

  private:
    std::string path_;
};

// Holds a file open, by default for reading without any sharing, so that other handles meet a
// sharing violation; a running browser holds its lock file for writing, sharing reading only.
class HeldOpen {
  public:
    explicit HeldOpen(const std::string& path, DWORD access = GENERIC_READ, DWORD share = 0);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

  private:
    HANDLE handle_;
};

// Points TEMP and TMP of this process at a folder; restores them at the end.
class TempRedirect {
  public:
    explicit TempRedirect(const std::string& folder);
    ~TempRedirect();
    TempRedirect(const TempRedirect&) = delete;
    TempRedirect& operator=(const TempRedirect&) = delete;

  private:
    std::string temp_, tmp_;
};

// Creates a Unix symbolic link `link` to the folder `target` (both Windows paths on Z:) with
// the host's ln, and waits until Wine shows it; returns the attributes Wine shows for it.
DWORD MakeUnixLink(const std::string& target, const std::string& link);
