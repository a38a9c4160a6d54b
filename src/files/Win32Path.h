// The few Win32 file calls that take a path, on the A functions for ordinary paths and on the
// W functions with the "\\?\" prefix for paths too long for the A functions (which Wine and
// Windows refuse beyond MAX_PATH even with the prefix). Each returns what its Win32 call
// returns and leaves the system's last error set on failure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Joins a folder and a name with exactly one backslash between them.
std::string JoinPath(const std::string& folder, const std::string& name);

DWORD PathAttributes(const std::string& path);
bool PathSetAttributes(const std::string& path, DWORD attributes);
bool PathDeleteFile(const std::string& path);
bool PathRemoveFolder(const std::string& path);
bool PathCreateFolder(const std::string& path);
HANDLE PathCreateFile(const std::string& path, DWORD access, DWORD share, DWORD disposition);
bool PathMove(const std::string& from, const std::string& to, DWORD flags);
bool PathAttributeData(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data);

struct FolderEntry {
    std::string name;
    DWORD attributes = 0;
    std::uint64_t size = 0;

    bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
};

// The direct entries of a folder in the order the file system gives them, without "." and
// "..". Entries may be deleted while the scan runs.
class FolderScan {
  public:
    explicit FolderScan(const std::string& folder);
    ~FolderScan();
    FolderScan(const FolderScan&) = delete;
    FolderScan& operator=(const FolderScan&) = delete;

    // 0 when the folder was opened, else the system's error code.
    DWORD OpenError() const { return openError_; }
    // The next entry; false at the end.
    bool Next(FolderEntry& entry);

  private:
    bool Advance();
    void Take(FolderEntry& entry) const;

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool wide_ = false;
    bool pending_ = false;  // the find data holds an entry not yet returned
    DWORD openError_ = 0;
    WIN32_FIND_DATAA dataA_{};
    WIN32_FIND_DATAW dataW_{};
};
