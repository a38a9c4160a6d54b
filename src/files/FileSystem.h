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
