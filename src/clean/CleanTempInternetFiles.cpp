#include <algorithm>

#include "clean/CleanItems.h"
#include "clean/DeleteEach.h"
#include "clean/FoundFiles.h"
#include "clean/FoundItem.h"
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

// The files but the index the browser keeps open.
std::vector<File> ButIndex(std::vector<File> files, Findings& findings) {
    std::erase_if(files, [&](const File& file) {
        if (file.Name() != kIndex) return false;
        findings.AddKept(file.Path(), "the cache's index");
        return true;
    });
    return files;
}

// A subfolder of the cache: its files but "index.dat" go first, then the subfolder with
// everything below it. A link is never entered: only the link itself goes.
struct CacheSubfolder {
    FolderTree tree;
    std::vector<File> files;
};

CacheSubfolder FindSubfolder(FolderTree tree, Findings& findings) {
    CacheSubfolder sub{std::move(tree), {}};
    const std::size_t root = sub.tree.Entries().size();
    for (const FolderTree::Entry& entry : sub.tree.Entries()) {
        if (entry.IsFolder() || entry.parent != root) continue;
        File file(entry.path, entry.size, entry.attributes);
        if (file.Name() != kIndex) sub.files.push_back(std::move(file));
    }
    AddTree(sub.tree, findings);
    return sub;
}

void CleanSubfolder(const CacheSubfolder& sub, std::string& report) {
    DeleteEach(sub.files, FileInUseLine, report);
    DeleteEach(std::vector<FolderTree>{sub.tree}, CacheFolderInUseLine, report);
}

// What the cache walk removes, each folder listed once: the cache's own files and subfolders,
// then the files of its "Content.IE5" folder but the index, and that folder's subfolders.
// `error` tells a folder that is not one of its own.
struct CacheListing {
    std::string error;
    std::vector<File> files;
    std::vector<CacheSubfolder> subfolders;
    std::vector<File> contentFiles;
};

void FindSubfolders(std::vector<FolderTree> trees, CacheListing& listing, Findings& findings) {
    for (FolderTree& tree : trees) {
        listing.subfolders.push_back(FindSubfolder(std::move(tree), findings));
    }
}

CacheListing FindCache(const std::string& path, Findings& findings) {
    const Folder cache = GetFolder(path);
    CacheListing listing;
    if (IsProtectedFolder(path)) {
        listing.error = "The cache folder " + path + " is not a folder of its own";
        findings.AddLine("Error: " + listing.error);
        return listing;
    }
    FolderContents top = ListFolderContents(path, false, kContent);
    listing.files = std::move(top.files);
    for (const File& file : listing.files) findings.AddFile(file.Path(), file.Size());
    FindSubfolders(std::move(top.folders), listing, findings);

    const std::string content = path + "\\" + kContent;
    if (!FolderExists(content) || Folder(content).IsLink()) return listing;
    FolderContents inside = ListFolderContents(content);
    listing.contentFiles = ButIndex(std::move(inside.files), findings);
    for (const File& file : listing.contentFiles) findings.AddFile(file.Path(), file.Size());
    FindSubfolders(std::move(inside.folders), listing, findings);
    return listing;
}

void WalkCache(const CacheListing& listing, std::string& report) {
    if (!listing.error.empty()) {
        report += ErrorLine(listing.error);
        return;
    }
    DeleteEach(listing.files, FileInUseLine, report);
    DeleteEach(listing.contentFiles, FileInUseLine, report);
    for (const CacheSubfolder& sub : listing.subfolders) CleanSubfolder(sub, report);
}

std::string NetscapeFileInUseLines(const std::string& /*fileName*/) {
    return ReportLine("Temporary File could not be deleted - File is in use") +
           ReportLine("Please Ensure that Netscape is NOT running.");
}

// The files directly in the profile's "cache" folder; its subfolders stay.
std::vector<File> FindNetscapeCache(const std::string& profileFolder, Findings& findings) {
    if (profileFolder.empty()) {
        // The bare name would point at the root of the current drive.
        throw AppError(err::kPathNotFound, "CleanTempInternetFiles", "Path not found");
    }
    std::vector<File> files = GetFolder(profileFolder + "\\cache").Files();
    for (const File& file : files) findings.AddFile(file.Path(), file.Size());
    return files;
}

}  // namespace

void CleanIECacheFolder(std::string& report, const std::string& browser,
                        const std::string& cacheFolder) {
    if (browser != "IE") return;
    ReportFailures(report, FailureRule::kErrorLine, [&] {
        Findings unused;
        WalkCache(FindCache(cacheFolder, unused), report);
        return false;  // part of a block: the block's routine ends it
    });
}

FoundRow FindTempInternetFiles(cRegistry& registry, const std::string& browser,
                               const std::string& profileFolder) {
    Findings findings;
    FindFailure failure;       // of the whole item
    FindFailure cacheFailure;  // of the cache walk, told in the block as an error line
    CacheListing cache;
    std::vector<File> netscape;
    failure.Catch(findings, [&] {
        if (browser == "IE") {
            const std::string path = IECacheFolder(registry);
            cacheFailure.Catch(findings, [&] { cache = FindCache(path, findings); });
        } else {
            netscape = FindNetscapeCache(profileFolder, findings);
        }
    });
    return ItemRow(CleanItem::TempInternetFiles, std::move(findings),
                   [browser, failure, cacheFailure, cache, netscape](std::string& report) {
                       failure.Rethrow();
                       if (browser == "IE") {
                           ReportFailures(report, FailureRule::kErrorLine, [&] {
                               cacheFailure.Rethrow();
                               WalkCache(cache, report);
                               return false;  // the block's own end follows
                           });
                           if (!Program().automaticMode) Program().interactiveCache = true;
                       } else {
                           DeleteEach(netscape, NetscapeFileInUseLines, report);
                       }
                       return true;
                   });
}

void CleanTempInternetFiles(cRegistry& registry, std::string& report, const std::string& browser,
                            const std::string& profileFolder) {
    FindTempInternetFiles(registry, browser, profileFolder).clean(report);
}
