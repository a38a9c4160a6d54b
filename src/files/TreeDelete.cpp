#include "files/TreeDelete.h"

#include "files/FileError.h"
#include "files/Win32Path.h"
#include "platform/AppError.h"

namespace {

DWORD WithoutReadOnly(DWORD attributes) {
    DWORD cleared = attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
    return cleared == 0 ? FILE_ATTRIBUTE_NORMAL : cleared;
}

// A folder whose every visible entry was deleted can still hold something: a file that another
// program keeps open with delete sharing lingers until it is closed, and Wine hides dangling
// Unix links. Such a folder is in use, like one holding a file that is open.
DWORD RemoveFolderError(DWORD code) {
    return code == ERROR_DIR_NOT_EMPTY ? ERROR_SHARING_VIOLATION : code;
}

// One deletion walk: remembers the first failure and how many there were.
class TreeEraser {
  public:
    explicit TreeEraser(bool force) : force_(force) {}

    void Folder(std::string& path, DWORD attributes);
    void Link(const std::string& path);
    DWORD FirstError() const { return firstError_; }

  private:
    void Contents(std::string& path);
    void Entry(std::string& path, const FolderEntry& entry);
    void File(const std::string& path, DWORD attributes);
    void Fail(DWORD code) {
        if (failures_++ == 0) firstError_ = code != 0 ? code : ERROR_GEN_FAILURE;
    }

    bool force_;
    DWORD firstError_ = 0;
    unsigned long failures_ = 0;
};

void TreeEraser::Folder(std::string& path, DWORD attributes) {
    const unsigned long before = failures_;
    Contents(path);
    if (failures_ != before) return;  // something inside stayed, so the folder stays too
    if (force_ && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        PathSetAttributes(path, WithoutReadOnly(attributes));
    }
    if (!PathRemoveFolder(path)) Fail(RemoveFolderError(GetLastError()));
}

void TreeEraser::Contents(std::string& path) {
    FolderScan scan(path);
    if (scan.OpenError() != 0) return Fail(scan.OpenError());
    FolderEntry entry;
    const std::size_t length = path.size();
    while (scan.Next(entry)) {
        path += '\\';
        path += entry.name;
        Entry(path, entry);
        path.resize(length);
    }
}

void TreeEraser::Entry(std::string& path, const FolderEntry& entry) {
    if (entry.IsFolder() && entry.IsLink()) return Link(path);
    if (entry.IsFolder()) return Folder(path, entry.attributes);
    File(path, entry.attributes);
}

void TreeEraser::File(const std::string& path, DWORD attributes) {
    if (force_ && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        PathSetAttributes(path, WithoutReadOnly(attributes));
    }
    if (!PathDeleteFile(path)) Fail(GetLastError());
}

// A link to a folder: removing it as a folder removes a junction or a directory symbolic link
// on Windows without touching the target; some links only go as a file. A link that cannot be
// removed at all (Wine keeps Unix symbolic links) counts as an item that is in use.
void TreeEraser::Link(const std::string& path) {
    if (PathRemoveFolder(path) || PathDeleteFile(path)) return;
    Fail(ERROR_ACCESS_DENIED);
}

}  // namespace

void DeleteFileEntry(const std::string& path, DWORD attributes, bool force) {
    if (force && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        PathSetAttributes(path, WithoutReadOnly(attributes));
    }
    if (!PathDeleteFile(path)) RaiseLastFileError("DeleteFile");
}

void DeleteFolderTree(const std::string& folder, bool force) {
    const DWORD attributes = PathAttributes(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        RaiseFileError(ERROR_PATH_NOT_FOUND, "DeleteFolder");
    }
    TreeEraser eraser(force);
    std::string path = folder;
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        eraser.Link(path);
    } else {
        eraser.Folder(path, attributes);
    }
    if (eraser.FirstError() != 0) RaiseFileError(eraser.FirstError(), "DeleteFolder");
}
