// Keeps the test prefix as it was around code that registers the program at log-on or
// installs the shut-down cleaning: the Run value "clean", the GroupPolicy folders and files
// below the system folder, and the boot files on drive C. Whatever existed is put back byte
// for byte, whatever is new is removed. Used by the Windows tests and the end-to-end driver.
#pragma once

#include <string>
#include <vector>

#include "RegistrySandbox.h"

class ShutdownFilesGuard {
  public:
    ShutdownFilesGuard();
    ~ShutdownFilesGuard();
    ShutdownFilesGuard(const ShutdownFilesGuard&) = delete;
    ShutdownFilesGuard& operator=(const ShutdownFilesGuard&) = delete;

  private:
    struct SavedFile {
        std::string path;
        bool existed;
        std::string bytes;
    };
    struct SavedFolder {
        std::string path;
        bool existed;
    };
    RawValue runValue_;
    std::vector<SavedFile> files_;
    std::vector<SavedFolder> folders_;  // outermost first
};

// <system folder>\GroupPolicy and the three folders below it that the program creates.
std::vector<std::string> GroupPolicyFolders();
