#include "chromium/Bookmarks.h"
#include "chromium/CookieDatabase.h"
#include "chromium/HistoryDatabase.h"
#include "chromium/ProfileLayout.h"
#include "clean/ProfileParts.h"
#include "files/FileBytes.h"
#include "files/FileSystem.h"

namespace {

std::vector<std::string> BookmarksOf(const FoundProfile& found) {
    const std::string path = found.Folder() + "\\" + chromium::kBookmarks;
    if (!FileExists(path)) return {};
    return chromium::BookmarkedUrls(ReadFileBytes(path));
}

void History(const FoundProfile& found) {
    const std::string history = found.Folder() + "\\" + chromium::kHistory;
    if (FileExists(history)) chromium::CleanHistoryDatabase(history, BookmarksOf(found));
    for (const std::string& side : chromium::kHistorySideFiles) {
        RemoveIfPresent(found.Folder() + "\\" + side);
        RemoveIfPresent(found.Folder() + "\\" + side + "-journal");
    }
}

void Cookies(const FoundProfile& found, const chromium::SiteKeepList& keep) {
    for (const std::string& relative : chromium::kCookieDatabases) {
        const std::string path = found.Folder() + "\\" + relative;
        if (FileExists(path)) chromium::CleanCookieDatabase(path, keep);
    }
}

void Cache(const FoundProfile& found) {
    for (const std::string& folder : chromium::kProfileCaches) {
        EmptyFolder(found.CacheFolder() + "\\" + folder);
    }
    for (const std::string& folder : chromium::kBrowserCaches) {
        EmptyFolder(found.cacheRoot + "\\" + folder);
    }
}

void Sessions(const FoundProfile& found) {
    for (const std::string& folder : chromium::kSessionFolders) {
        EmptyFolder(found.Folder() + "\\" + folder, true);
    }
    for (const std::string& name : chromium::kSessionFiles) {
        RemoveIfPresent(found.Folder() + "\\" + name);
    }
}

}  // namespace

const FamilyParts kChromiumParts{History, Cookies, Cache, Sessions};
