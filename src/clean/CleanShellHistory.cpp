#include <vector>

#include "clean/CleanItems.h"
#include "clean/DeleteEach.h"
#include "clean/FoundItem.h"
#include "clean/FoundRegistry.h"
#include "clean/GeneralCleaning.h"
#include "clean/RegistryTraces.h"
#include "clean/ReportText.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/ProgramState.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

// A value below HKEY_CURRENT_USER, read as "" when it is missing.
void SelectValue(cRegistry& registry, const std::string& path, const std::string& name) {
    AddressValue(registry, hkey::kCurrentUser, path, name);
    registry.SetDefault(Variant());
}

void SelectKey(cRegistry& registry, const std::string& path) { SelectValue(registry, path, ""); }

// Runs one registry step; a registry failure (26001) is skipped and the next step runs.
template <typename Step>
void SkippingRegistryFailure(Step step) {
    try {
        step();
    } catch (const AppError& failure) {
        if (failure.Number() != err::kRegistry) throw;
    }
}

// Deletes a history key and creates it again, empty.
void EmptyKey(cRegistry& registry, const std::string& path) {
    SelectKey(registry, path);
    SkippingRegistryFailure([&] { registry.DeleteKey(); });
    SelectKey(registry, path);
    SkippingRegistryFailure([&] { registry.CreateKey(); });
}

// Empties the Find/Search history, and from Windows 7 on also the search box's history.
void EmptyFindHistory(cRegistry& registry) {
    EmptyKey(registry, regpath::kDocFindSpecMru);
    if (Program().windows7OrLater) EmptyKey(registry, regpath::kWordWheelQuery);
}

// Windows 7 and later keep the recent documents also in the shell's own list (with the jump
// lists and Quick Access) and in the RecentDocs key. Failures here are skipped silently.
void ClearShellRecentItems(cRegistry& registry) {
    ClearShellRecentDocuments();
    try {
        DeleteKeyTree(registry, regpath::kRecentDocs);
    } catch (const std::exception&) {
        // Already gone, or held by the shell: nothing worth a line in the report.
    }
}

std::string RecentFolder(cRegistry& registry) {
    std::string path;
    SkippingRegistryFailure([&] {
        SelectValue(registry, regpath::kShellFolders, regpath::kRecentValue);
        path = registry.Value().ToText();
    });
    return path;
}

// The files directly in the Recent folder; subfolders stay.
std::vector<File> RecentFiles(const std::string& path) {
    if (!path.empty() && IsProtectedFolder(path)) {
        throw AppError(err::kPathNotFound, "CleanShellHistory",
                       "The Recent folder " + path + " is not a folder of its own");
    }
    return GetFolder(path).Files();
}

}  // namespace

// The Run history may not exist: a failure here is not worth a line in the report.
FoundRow FindRunHistory(cRegistry& registry) {
    Findings findings;
    SkippingRegistryFailure([&] { FindKeyValues(registry, regpath::kRunMru, findings); });
    return ItemRow(CleanItem::RunHistory, std::move(findings), [&registry](std::string&) {
        SelectKey(registry, regpath::kRunMru);
        registry.DeleteKey();
        return true;
    });
}

FoundRow FindShellHistory(cRegistry& registry, Boolean find) {
    const CleanItem item =
        find != kFalse ? CleanItem::FindSearchHistory : CleanItem::DocumentHistory;
    const bool recentItems = find == kFalse && Program().windows7OrLater;
    Findings findings;
    SkippingRegistryFailure([&] {
        if (find == kFalse) return;
        FindKeyValues(registry, regpath::kDocFindSpecMru, findings);
        if (Program().windows7OrLater) FindKeyValues(registry, regpath::kWordWheelQuery, findings);
    });
    std::vector<File> files;
    FindFailure failure;
    failure.Catch(findings, [&] {
        files = RecentFiles(RecentFolder(registry));
        for (const File& file : files) findings.AddFile(file.Path(), file.Size());
    });
    if (recentItems) {
        SkippingRegistryFailure(
            [&] { FindKeyTreeValues(registry, regpath::kRecentDocs, findings); });
    }
    return ItemRow(item, std::move(findings),
                   [&registry, find, recentItems, failure, files](std::string& report) {
                       if (find != kFalse) EmptyFindHistory(registry);
                       failure.Rethrow();
                       DeleteEach(files, FileInUseLine, report);
                       if (recentItems) ClearShellRecentItems(registry);
                       return true;
                   });
}

void CleanRunHistory(cRegistry& registry, std::string& report) {
    FindRunHistory(registry).clean(report);
}

void CleanShellHistory(cRegistry& registry, std::string& report, Boolean find) {
    FindShellHistory(registry, find).clean(report);
}
