#include "chromium/Bookmarks.h"
#include "chromium/CookieDatabase.h"
#include "chromium/FaviconDatabase.h"
#include "chromium/HistoryDatabase.h"
#include "chromium/ProfileLayout.h"
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

// The history database, its side files, the icons of the pages it held and the jump list's
// icons: each is cleaned although another fails. The bookmarks are read first, so that an
// unreadable Bookmarks file changes nothing.
void History(const FoundProfile& found) {
    const std::vector<std::string> bookmarks = BookmarksOf(found);
    FirstFailure failure;
    using Clean = void (*)(const std::string&, const std::vector<std::string>&);
    auto database = [&](const char* name, Clean clean) {
        const std::string path = found.Folder() + "\\" + name;
        if (FileExists(path)) failure.Attempt([&] { clean(path, bookmarks); });
    };
    database(chromium::kHistory, chromium::CleanHistoryDatabase);
    database(chromium::kFavicons, chromium::CleanFaviconDatabase);
    for (const std::string& side : chromium::kHistorySideFiles) {
        failure.Attempt([&] { RemoveIfPresent(found.Folder() + "\\" + side); });
        failure.Attempt([&] { RemoveIfPresent(found.Folder() + "\\" + side + "-journal"); });
    }
    for (const std::string& folder : chromium::kJumpListIconFolders)
        failure.Attempt([&] { EmptyFolder(found.Folder() + "\\" + folder); });
    failure.Raise();
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
