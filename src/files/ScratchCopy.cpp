#include "files/ScratchCopy.h"

#include <windows.h>

#include <exception>

#include "files/FileBytes.h"
#include "files/FileSystem.h"
#include "platform/System.h"

namespace {

// The local application-data folder, else (a shell without one) the temporary folder.
std::string ScratchParent() {
    const std::string local = LocalAppDataFolder();
    return local.empty() ? TempFolderPath() : local + "\\";
}

}  // namespace

ScratchFolder::ScratchFolder()
    : path_(ScratchParent() + "Brisvane-copy-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount64())) {
    CreateFolder(path_);
}

ScratchFolder::~ScratchFolder() {
    try {
        RemoveFolder(path_, true);
    } catch (const std::exception&) {
        // A copy that cannot be removed stays in our own folder; nothing of the user's changed.
    }
}

std::string CopyWithLog(const std::string& path, const ScratchFolder& scratch) {
    const std::string copy = scratch.Path() + "\\" + path.substr(path.find_last_of('\\') + 1);
    for (const char* side : {"", "-wal"}) {
        if (FileExists(path + side)) ReplaceFileText(copy + side, ReadFileBytes(path + side));
    }
    return copy;
}
