#include "chromium/Bookmarks.h"
#include "chromium/CookieDatabase.h"
#include "chromium/FaviconDatabase.h"
#include "chromium/HistoryDatabase.h"
#include "chromium/ProfileLayout.h"
#include "clean/DatabaseFinding.h"
#include "clean/FirstFailure.h"
#include "clean/ProfileParts.h"
#include "files/FileBytes.h"
#include "files/FileSystem.h"

namespace {

std::vector<std::string> BookmarksOf(const FoundProfile& found) {
    const std::string path = found.Folder() + "\\" + chromium::kBookmarks;
    if (!FileExists(path)) return {};
    return chromium::BookmarkedUrls(ReadFileBytes(path));
}

using Count = chromium::DatabaseCounts (*)(const std::string&, sqlite::OpenMode,
                                           const std::vector<std::string>&);
using Clean = void (*)(const std::string&, const std::vector<std::string>&);

// The history database, its side files, the icons of the pages it held and the jump list's
// icons: each is cleaned although another fails. The bookmarks are read first, so that an
// unreadable Bookmarks file changes nothing.
FoundPart History(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        const std::vector<std::string> bookmarks = BookmarksOf(found);
        std::vector<std::pair<std::string, Clean>> databases;
        auto database = [&](const char* name, Count count, Clean clean) {
            const std::string path = found.Folder() + "\\" + name;
            if (!FileExists(path)) return;
            AddCounts(name,
                      CountDatabase(path,
                                    [&](const std::string& at, sqlite::OpenMode mode) {
                                        return count(at, mode, bookmarks);
                                    }),
                      findings);
            databases.emplace_back(path, clean);
        };
        database(chromium::kHistory, chromium::CountHistoryDatabase,
                 chromium::CleanHistoryDatabase);
        database(chromium::kFavicons, chromium::CountFaviconDatabase,
                 chromium::CleanFaviconDatabase);
        FoundFiles files;
        for (const std::string& name : chromium::kHistorySideFiles) {
            files.FindFile(found.Folder() + "\\" + name, findings);
            files.FindFile(found.Folder() + "\\" + name + "-journal", findings);
        }
        for (const std::string& folder : chromium::kJumpListIconFolders)
            files.FindFolder(found.Folder() + "\\" + folder, false, findings);
        return [databases, bookmarks, files] {
            FirstFailure failure;
            for (const auto& [path, clean] : databases)
                failure.Attempt([&] { clean(path, bookmarks); });
            failure.Attempt([&] { files.Remove(); });
            failure.Raise();
        };
    });
}

FoundPart Cookies(const FoundProfile& found, const chromium::SiteKeepList& keep) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        std::vector<std::string> databases;
        for (const std::string& relative : chromium::kCookieDatabases) {
            const std::string path = found.Folder() + "\\" + relative;
            if (!FileExists(path)) continue;
            AddCookieCounts(relative, CountDatabase(path, chromium::CountCookieDatabase), keep,
                            findings);
            databases.push_back(path);
        }
        return [databases, &keep] {
            for (const std::string& path : databases) chromium::CleanCookieDatabase(path, keep);
        };
    });
}

FoundPart Cache(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        FoundFiles caches;
        for (const std::string& folder : chromium::kProfileCaches) {
            caches.FindFolder(found.CacheFolder() + "\\" + folder, false, findings);
        }
        for (const std::string& folder : chromium::kBrowserCaches) {
            caches.FindFolder(found.cacheRoot + "\\" + folder, false, findings);
        }
        return [caches] { caches.Remove(); };
    });
}

FoundPart Sessions(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        FoundFiles sessions;
        for (const std::string& folder : chromium::kSessionFolders) {
            sessions.FindFolder(found.Folder() + "\\" + folder, true, findings);
        }
        for (const std::string& name : chromium::kSessionFiles) {
            sessions.FindFile(found.Folder() + "\\" + name, findings);
        }
        return [sessions] { sessions.Remove(); };
    });
}

}  // namespace

const FamilyParts kChromiumParts{History, Cookies, Cache, Sessions};
