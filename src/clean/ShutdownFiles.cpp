#include "clean/ShutdownFiles.h"

#include "clean/ShutdownCleaning.h"
#include "clean/ShutdownText.h"
#include "files/FileSystem.h"
#include "platform/System.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

std::string ScriptsFolder() { return SystemFolder() + "\\GroupPolicy\\Machine\\Scripts"; }

std::string ShellFolder(cRegistry& registry, const std::string& path, const std::string& name) {
    AddressValue(registry, hkey::kCurrentUser, path, name);
    registry.SetDefault(Variant());
    return registry.Value().ToText();
}

std::string ShellFolderWithFallBack(cRegistry& registry, const std::string& name) {
    std::string folder = ShellFolder(registry, regpath::kShellFolders, name);
    return folder.empty() ? ShellFolder(registry, regpath::kUserShellFolders, name) : folder;
}

void CreateFolderIfMissing(const std::string& path) {
    if (!FolderExists(path)) CreateFolder(path);
}

}  // namespace

std::string ScriptsIniPath() { return ScriptsFolder() + "\\scripts.ini"; }

std::string DelTempCmdPath() { return ScriptsFolder() + "\\Shutdown\\del_temp.cmd"; }

std::string DelHistoryCmdPath() { return ScriptsFolder() + "\\Shutdown\\del_history.cmd"; }

BrowserFolders ReadBrowserFolders(cRegistry& registry) {
    BrowserFolders folders;
    folders.cache = ShellFolderWithFallBack(registry, regpath::kCacheValue);
    folders.history = ShellFolderWithFallBack(registry, regpath::kHistoryValue);
    return folders;
}

void CreateCommandFiles(const BrowserFolders& folders) {
    const std::string groupPolicy = SystemFolder() + "\\GroupPolicy";
    for (const char* below :
         {"", "\\Machine", "\\Machine\\Scripts", "\\Machine\\Scripts\\Shutdown"}) {
        CreateFolderIfMissing(groupPolicy + below);
    }
    WriteDeletionScriptOnce(DelTempCmdPath(), "rd /s/q", folders.cache);
    WriteDeletionScriptOnce(DelHistoryCmdPath(), "rd /s/q", folders.history);
}

bool WriteDeletionScriptOnce(const std::string& path, const std::string& command,
                             const std::string& folder) {
    if (FileExists(path)) return true;
    // A drive root, the Windows or system folder or the profile is never removed whole.
    if (!FolderExists(folder) || IsProtectedFolder(folder)) return false;
    const std::string text = DeletionScriptText(command, GetShortPath(folder));
    if (text.empty()) return false;
    ReplaceFileText(path, text);
    return true;
}

void RemoveFileIfPresent(const std::string& path) {
    if (FileExists(path)) RemoveFile(path, false);
}

std::string ReadWholeText(const std::string& path) {
    TextStream stream = OpenTextFile(path, IOMode::ForReading);
    std::string text = stream.ReadAll();
    stream.Close();
    return text;
}

std::string GetShortPath(const std::string& folder) {
    std::string shortForm = ShortPathName(folder);
    if (!shortForm.empty() && shortForm.back() != '\\') shortForm += '\\';
    return shortForm;
}
