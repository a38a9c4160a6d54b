#include "files/FileSystem.h"

#include <windows.h>

#include "files/FileError.h"
#include "files/TreeDelete.h"
#include "files/Win32Path.h"

namespace {

std::string LastName(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/')) {
        trimmed.pop_back();
    }
    std::size_t slash = trimmed.find_last_of("\\/:");
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

bool IsFolderAttributes(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFileAttributes(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The direct entries of a folder that are (or are not) folders.
template <typename Keep>
void ScanFolder(const std::string& path, Keep keep) {
    FolderScan scan(path);
    if (scan.OpenError() != 0) RaiseFileError(scan.OpenError(), "Folder");
    FolderEntry entry;
    while (scan.Next(entry)) keep(entry);
}

}  // namespace

std::string File::Name() const { return LastName(path_); }

// A listed file is deleted with the attributes of its listing, which saves asking for them
// again: a file that changed since fails its deletion as it would have failed anyway.
void File::Delete(bool force) const {
    if (!listed_) return RemoveFile(path_, force);
    DeleteFileEntry(path_, attributes_, force);
}

std::string Folder::Name() const { return LastName(path_); }

std::vector<File> Folder::Files() const {
    std::vector<File> files;
    ScanFolder(path_, [&](const FolderEntry& entry) {
        if (!entry.IsFolder()) {
            files.emplace_back(JoinPath(path_, entry.name), entry.size, entry.attributes);
        }
    });
    return files;
}

std::vector<Folder> Folder::SubFolders() const {
    std::vector<Folder> folders;
    ScanFolder(path_, [&](const FolderEntry& entry) {
        if (entry.IsFolder()) folders.emplace_back(JoinPath(path_, entry.name));
    });
    return folders;
}

void Folder::Delete(bool force) const { DeleteFolderTree(path_, force); }

bool Folder::IsLink() const {
    const DWORD attributes = PathAttributes(path_);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool FileExists(const std::string& path) { return IsFileAttributes(PathAttributes(path)); }

bool FolderExists(const std::string& path) { return IsFolderAttributes(PathAttributes(path)); }

void CreateFolder(const std::string& path) {
    if (!PathCreateFolder(path)) RaiseLastFileError("CreateFolder");
}

Folder GetFolder(const std::string& path) {
    if (!FolderExists(path)) RaiseFileError(ERROR_PATH_NOT_FOUND, "GetFolder");
    return Folder(path);
}

File GetFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!PathAttributeData(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RaiseFileError(ERROR_FILE_NOT_FOUND, "GetFile");
    }
    return File(path, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow);
}

void RemoveFile(const std::string& path, bool force) {
    DWORD attributes = PathAttributes(path);
    if (!IsFileAttributes(attributes)) RaiseFileError(ERROR_FILE_NOT_FOUND, "DeleteFile");
    DeleteFileEntry(path, attributes, force);
}

void RemoveFolder(const std::string& path, bool force) { DeleteFolderTree(path, force); }

void RenameFile(const std::string& from, const std::string& to) {
    // As MoveFileA: a move to another drive copies and deletes.
    if (!PathMove(from, to, MOVEFILE_COPY_ALLOWED)) RaiseLastFileError("RenameFile");
}

void MoveFileReplacing(const std::string& from, const std::string& to) {
    if (!PathMove(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        RaiseLastFileError("MoveFileReplacing");
    }
}

void ReplaceFileText(const std::string& path, const std::string& text) {
    const std::string fresh = path + ".new~";
    try {
        TextStream stream = CreateTextFile(fresh, true);
        stream.Write(text);
        stream.Close();
        MoveFileReplacing(fresh, path);
    } catch (...) {
        PathDeleteFile(fresh);
        throw;
    }
}

FolderTree::FolderTree(std::string path, std::uint32_t attributes)
    : path_(std::move(path)), attributes_(attributes) {
    if ((attributes_ & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return;  // a link is never entered
    readError_ = ListFolderTree(path_, entries_);
    for (const Entry& entry : entries_) {
        if (entry.IsFolder()) continue;
        ++files_;
        bytes_ += entry.size;
    }
}

std::string FolderTree::Name() const { return LastName(path_); }

void FolderTree::Delete(bool force) const {
    DeleteListedTree(path_, attributes_, readError_, entries_, force);
}

FolderContents ListFolderContents(const std::string& path, bool filesOnly,
                                  const std::string& skipped) {
    if (!FolderExists(path)) RaiseFileError(ERROR_PATH_NOT_FOUND, "GetFolder");
    FolderContents contents;
    ScanFolder(path, [&](const FolderEntry& entry) {
        if (entry.IsFolder() && (filesOnly || entry.name == skipped)) return;
        std::string full = JoinPath(path, entry.name);
        if (entry.IsFolder()) {
            contents.folders.emplace_back(std::move(full), entry.attributes);
        } else {
            contents.files.emplace_back(std::move(full), entry.size, entry.attributes);
        }
    });
    return contents;
}
