#include "chromium/Bookmarks.h"
#include "chromium/CookieDatabase.h"
#include "chromium/HistoryDatabase.h"
#include "chromium/ProfileLayout.h"
#include "clean/DatabaseFinding.h"
#include "clean/ProfileParts.h"
#include "files/FileBytes.h"
#include "files/FileSystem.h"

namespace {

std::vector<std::string> BookmarksOf(const FoundProfile& found) {
    const std::string path = found.Folder() + "\\" + chromium::kBookmarks;
    if (!FileExists(path)) return {};
    return chromium::BookmarkedUrls(ReadFileBytes(path));
}

FoundPart History(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        const std::string history = found.Folder() + "\\" + chromium::kHistory;
        const bool present = FileExists(history);
        std::vector<std::string> bookmarks;
        if (present) {
            bookmarks = BookmarksOf(found);
            AddCounts(chromium::kHistory,
                      CountDatabase(history,
                                    [&](const std::string& path, sqlite::OpenMode mode) {
                                        return chromium::CountHistoryDatabase(path, mode,
                                                                              bookmarks);
                                    }),
                      findings);
        }
        FoundFiles side;
        for (const std::string& name : chromium::kHistorySideFiles) {
            side.FindFile(found.Folder() + "\\" + name, findings);
            side.FindFile(found.Folder() + "\\" + name + "-journal", findings);
        }
        return [history, present, bookmarks, side] {
            if (present) chromium::CleanHistoryDatabase(history, bookmarks);
            side.Remove();
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
