#include "ShutdownFilesGuard.h"

#include "clean/ShutdownFiles.h"
#include "clean/ShutdownText.h"
#include "files/FileSystem.h"
#include "platform/System.h"
#include "settings/RegistryPaths.h"

std::vector<std::string> GroupPolicyFolders() {
    const std::string root = SystemFolder() + "\\GroupPolicy";
    return {root, root + "\\Machine", root + "\\Machine\\Scripts",
            root + "\\Machine\\Scripts\\Shutdown"};
}

ShutdownFilesGuard::ShutdownFilesGuard() : runValue_(ReadRaw(regpath::kRun, regpath::kRunValue)) {
    for (const std::string& folder : GroupPolicyFolders()) {
        folders_.push_back({folder, FolderExists(folder)});
    }
    for (const std::string& path :
         {ScriptsIniPath(), DelTempCmdPath(), DelHistoryCmdPath(), std::string(kDelTempBat),
          std::string(kDelHistBat), std::string(kAutoexecBat), std::string(kAutoexecCln)}) {
        const bool existed = FileExists(path);
        files_.push_back({path, existed, existed ? ReadWholeText(path) : std::string()});
    }
}

namespace {

template <typename Step>
void Quietly(Step step) {
    try {
        step();
    } catch (const std::exception&) {
        // What cannot be put back stays; the next guard starts from there.
    }
}

}  // namespace

ShutdownFilesGuard::~ShutdownFilesGuard() {
    for (const SavedFile& file : files_) {
        if (file.existed) {
            Quietly([&] { ReplaceFileText(file.path, file.bytes); });
        } else {
            DeleteFileA(file.path.c_str());
        }
    }
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
        if (!folder->existed && FolderExists(folder->path)) {
            Quietly([&] { RemoveFolder(folder->path, true); });
        }
    }
    if (runValue_.exists) {
        WriteRaw(regpath::kRun, regpath::kRunValue, runValue_.type, runValue_.data);
    } else {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, regpath::kRun, 0, KEY_SET_VALUE, &key) == 0) {
            RegDeleteValueA(key, regpath::kRunValue);
            RegCloseKey(key);
        }
    }
}
