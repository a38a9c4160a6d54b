// The file-system access of the program: existence tests, folders and their direct files and
// subfolders in the order the file system gives them, deletion with or without force (force
// deletes read-only items too), renaming, replacing a file in one step, and text files.
// Failures raise AppError: 70 for an item in use or locked, 76 for a missing path, 53 for a
// missing file, and the system's own number and text for everything else.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/TextStream.h"

class File {
  public:
    File(std::string path, std::uint64_t size) : path_(std::move(path)), size_(size) {}
    // A file met in a folder listing, whose attributes the listing gave.
    File(std::string path, std::uint64_t size, std::uint32_t attributes)
        : path_(std::move(path)), size_(size), attributes_(attributes), listed_(true) {}

    const std::string& Path() const { return path_; }
    std::string Name() const;
    std::uint64_t Size() const { return size_; }
    void Delete(bool force) const;
    TextStream OpenAsTextStream() const { return OpenTextFile(path_, IOMode::ForReading); }

  private:
    std::string path_;
    std::uint64_t size_;
    std::uint32_t attributes_ = 0;
    bool listed_ = false;
};

class Folder {
  public:
    explicit Folder(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    std::string Name() const;
    // The files directly in the folder, in the file system's order.
    std::vector<File> Files() const;
    // The folders directly in the folder (links to folders included), in the file system's
    // order.
    std::vector<Folder> SubFolders() const;
    // Removes the folder with everything below it, never entering a link.
    void Delete(bool force) const;
    // True for a junction or symbolic link (a reparse point), whose listing would show another
    // folder's contents.
    bool IsLink() const;

  private:
    std::string path_;
};

// A folder with everything below it, listed in one walk and removed later from that listing,
// without reading the folders again. A link met on the way is listed, never entered. The
// removal goes as Folder::Delete does: a failure does not stop it, the folders above a failed
// entry stay, and the first failure is raised at the end; a subfolder that could not be read
// when it was listed counts as a failure there.
class FolderTree {
  public:
    struct Entry {
        std::string path;
        std::uint32_t attributes = 0;
        std::uint64_t size = 0;
        std::size_t parent = 0;  // index of the folder that holds it; Entries().size(): the root
        std::uint32_t readError = 0;  // a folder that could not be listed: the system's code
        bool IsFolder() const { return (attributes & 0x10) != 0; }
    };

    // Lists the folder (attributes `attributes`, as its own listing gave them).
    FolderTree(std::string path, std::uint32_t attributes);

    const std::string& Path() const { return path_; }
    std::string Name() const;
    // Every entry below the folder, each one after the folder that holds it.
    const std::vector<Entry>& Entries() const { return entries_; }
    std::uint64_t FileCount() const { return files_; }
    std::uint64_t Bytes() const { return bytes_; }
    void Delete(bool force) const;

  private:
    std::string path_;
    std::uint32_t attributes_;
    std::uint32_t readError_ = 0;
    std::vector<Entry> entries_;
    std::uint64_t files_ = 0;
    std::uint64_t bytes_ = 0;
};

// The direct files and subfolders of a folder from one listing, each subfolder listed whole.
struct FolderContents {
    std::vector<File> files;
    std::vector<FolderTree> folders;
};
// Raises 76 when no such folder exists. With `filesOnly` no subfolder is listed, nor one named
// `skipped`.
FolderContents ListFolderContents(const std::string& path, bool filesOnly = false,
                                  const std::string& skipped = "");

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Creates one folder; its parent must exist.
void CreateFolder(const std::string& path);
// Raises 76 when no such folder exists.
Folder GetFolder(const std::string& path);
// Raises 53 when no such file exists.
File GetFile(const std::string& path);
void RemoveFile(const std::string& path, bool force);
void RemoveFolder(const std::string& path, bool force);
// Renames or moves a file; the new path must not exist yet.
void RenameFile(const std::string& from, const std::string& to);
// Moves `from` over `to` in one step, replacing `to` when it exists.
void MoveFileReplacing(const std::string& from, const std::string& to);
// Writes `text` to a new file beside `path` and then moves it over `path` in one step, so
// that a crash or a full disk leaves either the old or the new file, never neither.
void ReplaceFileText(const std::string& path, const std::string& text);
