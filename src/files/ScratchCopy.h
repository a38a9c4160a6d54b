// Reading a database that another program keeps in WAL mode without touching anything beside
// it: even a read-only open leaves a -shm file there, so it is read from a copy, with its -wal
// file, in a folder of our own below the local application-data folder, which no item cleans.
#pragma once

#include <string>

// A folder of our own, removed with what it holds when it goes; a copy that cannot be removed
// stays in it, and nothing of the user's has changed.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// Copies the database and its `-wal` file, when it has one, into `scratch`; answers the copy's
// path.
std::string CopyWithLog(const std::string& path, const ScratchFolder& scratch);
