#include "clean/CleanItems.h"
#include "clean/DeleteEach.h"
#include "clean/GeneralCleaning.h"
#include "clean/ReportText.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/cRegistry.h"

namespace {

constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

void SelectKey(cRegistry& registry, const std::string& key) {
    registry.SetClassKey(hkey::kCurrentUser);
    registry.SetSectionKey(kExplorer + key);
    registry.SetValueKey("");
    registry.SetDefault(Variant());
}

// Runs one registry step; a registry failure (26001) is skipped and the next step runs.
template <typename Step>
void SkippingRegistryFailure(Step step) {
    try {
        step();
    } catch (const AppError& failure) {
        if (failure.Number() != err::kRegistry) throw;
    }
}

// Deletes the Find/Search history key and creates it again, empty.
void EmptyFindHistory(cRegistry& registry) {
    SelectKey(registry, "Doc Find Spec MRU");
    SkippingRegistryFailure([&] { registry.DeleteKey(); });
    SelectKey(registry, "Doc Find Spec MRU");
    SkippingRegistryFailure([&] { registry.CreateKey(); });
}

std::string RecentFolder(cRegistry& registry) {
    std::string path;
    SkippingRegistryFailure([&] {
        SelectKey(registry, "Shell Folders");
        registry.SetValueKey("Recent");
        path = registry.Value().ToText();
    });
    return path;
}

// Deletes the files directly in the Recent folder; subfolders stay.
void EmptyRecentFolder(const std::string& path, std::string& report) {
    if (!path.empty() && IsProtectedFolder(path)) {
        throw AppError(err::kPathNotFound, "CleanShellHistory",
                       "The Recent folder " + path + " is not a folder of its own");
    }
    DeleteEach(GetFolder(path).Files(), FileInUseLine, report);
}

}  // namespace

// The Run history may not exist: a failure here is not worth a line in the report.
void CleanRunHistory(cRegistry& registry, std::string& report) {
    WriteItemBlock(CleanItem::RunHistory, report, [&] {
        SelectKey(registry, "RunMRU");
        registry.DeleteKey();
        return true;
    });
}

void CleanShellHistory(cRegistry& registry, std::string& report, Boolean find) {
    const CleanItem item =
        find != kFalse ? CleanItem::FindSearchHistory : CleanItem::DocumentHistory;
    WriteItemBlock(item, report, [&] {
        if (find != kFalse) EmptyFindHistory(registry);
        EmptyRecentFolder(RecentFolder(registry), report);
        return true;
    });
}
