#include "clean/ProfileParts.h"

#include "clean/FirstFailure.h"
#include "files/FileSystem.h"

const FamilyParts& PartsOf(BrowserFamily family) {
    return family == BrowserFamily::kFirefox ? kFirefoxParts : kChromiumParts;
}

void RemoveIfPresent(const std::string& path) {
    if (FileExists(path)) RemoveFile(path, true);
}

void RemoveFolderIfPresent(const std::string& path) {
    if (FolderExists(path)) RemoveFolder(path, true);
}

void EmptyFolder(const std::string& path, bool filesOnly) {
    if (!FolderExists(path)) return;
    FirstFailure failure;
    Folder folder = GetFolder(path);
    for (const File& file : folder.Files()) failure.Attempt([&] { file.Delete(true); });
    if (!filesOnly) {
        for (const Folder& sub : folder.SubFolders()) failure.Attempt([&] { sub.Delete(true); });
    }
    failure.Raise();
}
