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

namespace {

constexpr std::size_t kRoot = SIZE_MAX;

void ListInto(std::string& path, std::size_t parent, std::vector<FolderTree::Entry>& entries,
              DWORD& readError) {
    FolderScan scan(path);
    if (scan.OpenError() != 0) {
        readError = scan.OpenError();
        return;
    }
    FolderEntry found;
    const std::size_t length = path.size();
    while (scan.Next(found)) {
        path += '\\';
        path += found.name;
        const std::size_t index = entries.size();
        entries.push_back({path, found.attributes, found.size, parent, 0});
        if (found.IsFolder() && !found.IsLink()) {
            DWORD error = 0;
            ListInto(path, index, entries, error);
            entries[index].readError = error;
        }
        path.resize(length);
    }
}

}  // namespace

DWORD ListFolderTree(const std::string& folder, std::vector<FolderTree::Entry>& entries) {
    std::string path = folder;
    DWORD error = 0;
    ListInto(path, kRoot, entries, error);
    for (FolderTree::Entry& entry : entries) {
        if (entry.parent == kRoot) entry.parent = entries.size();
    }
    return error;
}

// The entries in reverse listing order: every entry before the folder that holds it, so a
// folder is reached when all it held has been tried. A failed entry marks its folder failed.
void DeleteListedTree(const std::string& folder, DWORD folderAttributes, DWORD folderReadError,
                      const std::vector<FolderTree::Entry>& entries, bool force) {
    if ((folderAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        TreeEraser eraser(force);
        eraser.Link(folder);
        if (eraser.FirstError() != 0) RaiseFileError(eraser.FirstError(), "DeleteFolder");
        return;
    }
    DWORD first = folderReadError;
    std::vector<char> failed(entries.size(), 0);
    bool rootFailed = folderReadError != 0;
    auto fail = [&](std::size_t parent, DWORD code) {
        if (first == 0) first = code != 0 ? code : ERROR_GEN_FAILURE;
        if (parent == entries.size()) {
            rootFailed = true;
        } else {
            failed[parent] = 1;
        }
    };
    for (std::size_t i = entries.size(); i-- > 0;) {
        const FolderTree::Entry& entry = entries[i];
        const bool isFolder = (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder && (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            if (!PathRemoveFolder(entry.path) && !PathDeleteFile(entry.path)) {
                fail(entry.parent, ERROR_ACCESS_DENIED);
            }
            continue;
        }
        if (isFolder && (failed[i] != 0 || entry.readError != 0)) {
            fail(entry.parent, entry.readError);  // something inside stayed: so does the folder
            continue;
        }
        if (force && (entry.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            PathSetAttributes(entry.path, WithoutReadOnly(entry.attributes));
        }
        const bool gone = isFolder ? PathRemoveFolder(entry.path) : PathDeleteFile(entry.path);
        const DWORD code = gone ? 0 : GetLastError();
        // An entry removed since the listing (by an earlier step of the same clean) is gone.
        if (!gone && code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) {
            fail(entry.parent, isFolder ? RemoveFolderError(code) : code);
        }
    }
    if (!rootFailed) {
        if (force && (folderAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
            PathSetAttributes(folder, WithoutReadOnly(folderAttributes));
        }
        if (!PathRemoveFolder(folder)) {
            if (first == 0) first = RemoveFolderError(GetLastError());
        }
    }
    if (first != 0) RaiseFileError(first, "DeleteFolder");
}
