#include "clean/CleanOtherBrowsers.h"

#include <exception>
#include <functional>
#include <optional>

#include "chromium/Bookmarks.h"
#include "chromium/CookieDatabase.h"
#include "chromium/HistoryDatabase.h"
#include "chromium/ProfileLayout.h"
#include "clean/CleanItems.h"
#include "clean/ReportText.h"
#include "files/FileBytes.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"

namespace {

void RemoveIfPresent(const std::string& path) {
    if (FileExists(path)) RemoveFile(path, true);
}

// Deletes everything in a folder and keeps the folder. Every item is tried; the first failure
// is raised at the end.
void EmptyFolder(const std::string& path, bool filesOnly = false) {
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

std::vector<std::string> BookmarksOf(const FoundProfile& found) {
    const std::string path = found.Folder() + "\\" + chromium::kBookmarks;
    if (!FileExists(path)) return {};
    return chromium::BookmarkedUrls(ReadFileBytes(path));
}

void CleanHistory(const FoundProfile& found) {
    const std::string history = found.Folder() + "\\" + chromium::kHistory;
    if (FileExists(history)) chromium::CleanHistoryDatabase(history, BookmarksOf(found));
    for (const std::string& side : chromium::kHistorySideFiles) {
        RemoveIfPresent(found.Folder() + "\\" + side);
        RemoveIfPresent(found.Folder() + "\\" + side + "-journal");
    }
}

void CleanCookies(const FoundProfile& found, const chromium::SiteKeepList& keep) {
    for (const std::string& relative : chromium::kCookieDatabases) {
        const std::string path = found.Folder() + "\\" + relative;
        if (FileExists(path)) chromium::CleanCookieDatabase(path, keep);
    }
}

void CleanCache(const FoundProfile& found) {
    for (const std::string& folder : chromium::kProfileCaches) {
        EmptyFolder(found.CacheFolder() + "\\" + folder);
    }
    for (const std::string& folder : chromium::kBrowserCaches) {
        EmptyFolder(found.cacheRoot + "\\" + folder);
    }
}

void CleanSessions(const FoundProfile& found) {
    for (const std::string& folder : chromium::kSessionFolders) {
        EmptyFolder(found.Folder() + "\\" + folder, true);
    }
    for (const std::string& name : chromium::kSessionFiles) {
        RemoveIfPresent(found.Folder() + "\\" + name);
    }
}

// Runs one part; a failure adds its line and the block goes on.
bool RunPart(const std::function<void()>& part, std::string& report) {
    try {
        part();
        return true;
    } catch (const std::exception& failure) {
        report += ErrorLine(failure.what());
        return false;
    }
}

}  // namespace

std::vector<FoundProfile> TickedProfiles(cRegistry& registry) {
    const std::set<std::string> ticked = LoadTickedProfiles(registry);
    std::vector<FoundProfile> profiles;
    if (ticked.empty()) return profiles;
    for (FoundProfile& found : FindChromiumProfiles(registry)) {
        if (ticked.count(ProfileSettingName(found.browser->code, found.profile.folder)) != 0) {
            profiles.push_back(std::move(found));
        }
    }
    return profiles;
}

bool OtherBrowsersSelected(cRegistry& registry) {
    return LoadBrowserParts(registry).Any() && !TickedProfiles(registry).empty();
}

void CleanChromiumProfile(const FoundProfile& found, const BrowserParts& parts,
                          const chromium::SiteKeepList& keep, std::string& report) {
    const FailureRule rule = ItemInfo(CleanItem::OtherBrowsers).rule;
    WriteReportBlock(report, "Cleaning " + found.Title(), rule, [&] {
        if (IsBrowserRunning(found)) {
            report += ErrorLine(std::string(found.browser->name) +
                                " is running - close it, then clean again");
            return false;
        }
        bool done = true;
        if (parts.history) done &= RunPart([&] { CleanHistory(found); }, report);
        if (parts.cookies) done &= RunPart([&] { CleanCookies(found, keep); }, report);
        if (parts.cache) done &= RunPart([&] { CleanCache(found); }, report);
        if (parts.sessions) done &= RunPart([&] { CleanSessions(found); }, report);
        return done;
    });
}

void CleanOtherBrowsers(cRegistry& registry, std::string& report) {
    BrowserParts parts;
    std::vector<std::string> sites;
    std::vector<FoundProfile> profiles;
    try {
        parts = LoadBrowserParts(registry);
        sites = LoadSites(registry);
        profiles = TickedProfiles(registry);
    } catch (const std::exception&) {
        // Without the ticks nothing is cleaned; the item's own block tells why.
        WriteItemBlock(
            CleanItem::OtherBrowsers, report,
            [failure = std::current_exception()]() -> bool { std::rethrow_exception(failure); });
        return;
    }
    const chromium::SiteKeepList keep(sites);
    for (const FoundProfile& found : profiles) CleanChromiumProfile(found, parts, keep, report);
}
