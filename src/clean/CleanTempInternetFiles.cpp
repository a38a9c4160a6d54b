#include <algorithm>

#include "clean/CleanItems.h"
#include "clean/DeleteEach.h"
#include "clean/InternetCleaning.h"
#include "clean/ReportText.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/ProgramState.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

constexpr const char* kContent = "Content.IE5";
constexpr const char* kIndex = "index.dat";

std::string CacheValue(cRegistry& registry, const char* path) {
    AddressValue(registry, hkey::kCurrentUser, path, regpath::kCacheValue);
    registry.SetDefault(Variant());
    return registry.Value().ToText();
}

// "Shell Folders" first; "User Shell Folders" (expanded) only when that gives nothing.
std::string IECacheFolder(cRegistry& registry) {
    std::string path = CacheValue(registry, regpath::kShellFolders);
    if (path.empty()) path = CacheValue(registry, regpath::kUserShellFolders);
    return path;
}

// The files directly in a folder that the browser does not keep open for its index.
std::vector<File> FilesButIndex(const Folder& folder) {
    std::vector<File> files = folder.Files();
    std::erase_if(files, [](const File& file) { return file.Name() == kIndex; });
    return files;
}

// Deletes a subfolder's files but its "index.dat", then, unless it is kept, the subfolder with
// everything below it. A link is never entered: only the link itself goes.
void CleanSubfolder(const Folder& folder, bool keep, std::string& report) {
    if (!folder.IsLink()) DeleteEach(FilesButIndex(folder), FileInUseLine, report);
    if (!keep) DeleteEach(std::vector<Folder>{folder}, CacheFolderInUseLine, report);
}

void WalkCache(const std::string& path, std::string& report) {
    const Folder cache = GetFolder(path);
    if (IsProtectedFolder(path)) {
        report += ErrorLine("The cache folder " + path + " is not a folder of its own");
        return;
    }
    DeleteEach(cache.Files(), FileInUseLine, report);
    for (const Folder& sub : cache.SubFolders()) {
        CleanSubfolder(sub, sub.Name() == kContent, report);
    }

    const Folder content(path + "\\" + kContent);
    if (!FolderExists(content.Path()) || content.IsLink()) return;
    for (const Folder& sub : content.SubFolders()) CleanSubfolder(sub, false, report);
}

std::string NetscapeFileInUseLines(const std::string& /*fileName*/) {
    return ReportLine("Temporary File could not be deleted - File is in use") +
           ReportLine("Please Ensure that Netscape is NOT running.");
}

// Deletes the files directly in the profile's "cache" folder; its subfolders stay.
void EmptyNetscapeCache(const std::string& profileFolder, std::string& report) {
    if (profileFolder.empty()) {
        // The bare name would point at the root of the current drive.
        throw AppError(err::kPathNotFound, "CleanTempInternetFiles", "Path not found");
    }
    DeleteEach(GetFolder(profileFolder + "\\cache").Files(), NetscapeFileInUseLines, report);
}

}  // namespace

void CleanIECacheFolder(std::string& report, const std::string& browser,
                        const std::string& cacheFolder) {
    if (browser != "IE") return;
    ReportFailures(report, FailureRule::kErrorLine, [&] {
        WalkCache(cacheFolder, report);
        return false;  // part of a block: the block's routine ends it
    });
}

void CleanTempInternetFiles(cRegistry& registry, std::string& report, const std::string& browser,
                            const std::string& profileFolder) {
    WriteItemBlock(CleanItem::TempInternetFiles, report, [&] {
        if (browser == "IE") {
            CleanIECacheFolder(report, browser, IECacheFolder(registry));
            if (!Program().automaticMode) Program().interactiveCache = true;
        } else {
            EmptyNetscapeCache(profileFolder, report);
        }
        return true;
    });
}
