#include "clean/ProfileParts.h"

#include <functional>
#include <optional>

#include "files/FileSystem.h"
#include "platform/AppError.h"

const FamilyParts& PartsOf(BrowserFamily family) {
    return family == BrowserFamily::kFirefox ? kFirefoxParts : kChromiumParts;
}

void RemoveIfPresent(const std::string& path) {
    if (FileExists(path)) RemoveFile(path, true);
}

void EmptyFolder(const std::string& path, bool filesOnly) {
    if (!FolderExists(path)) return;
    std::optional<AppError> first;
    auto attempt = [&](const std::function<void()>& remove) {
        try {
            remove();
        } catch (const AppError& failure) {
            if (!first) first = failure;
        }
    };
    Folder folder = GetFolder(path);
    for (const File& file : folder.Files()) attempt([&] { file.Delete(true); });
    if (!filesOnly) {
        for (const Folder& sub : folder.SubFolders()) attempt([&] { sub.Delete(true); });
    }
    if (first) throw *first;
}
