#include "clean/FirstFailure.h"
#include "clean/ProfileParts.h"
#include "files/FileSystem.h"
#include "firefox/CookieDatabase.h"
#include "firefox/FaviconsDatabase.h"
#include "firefox/FormHistory.h"
#include "firefox/PlacesDatabase.h"
#include "firefox/ProfileLayout.h"

namespace {

// Runs `clean` on the profile's database `name` when the profile has one.
void IfPresent(const FoundProfile& found, const char* name, void (*clean)(const std::string&)) {
    const std::string path = found.Folder() + "\\" + name;
    if (FileExists(path)) clean(path);
}

// The icons against the places that remain; without places.sqlite nothing tells which pages
// remain, so the icons stay as they are.
void CleanFavicons(const std::string& path) {
    const std::string places = path.substr(0, path.rfind('\\') + 1) + firefox::kPlaces;
    if (FileExists(places)) firefox::CleanFaviconsDatabase(path, firefox::PlaceUrls(places));
}

// The places (then the icons of the pages that left them), the form history, the sites visited
// over HTTPS and the jump list's icons: each is cleaned although another fails.
void History(const FoundProfile& found) {
    FirstFailure failure;
    // The icons only after the places were cleaned: the places that remain decide them.
    failure.Attempt([&] {
        IfPresent(found, firefox::kPlaces, firefox::CleanPlacesDatabase);
        IfPresent(found, firefox::kFavicons, CleanFavicons);
    });
    failure.Attempt([&] { IfPresent(found, firefox::kFormHistory, firefox::CleanFormHistory); });
    for (const std::string& name : firefox::kSiteSecurityFiles)
        failure.Attempt([&] { RemoveIfPresent(found.Folder() + "\\" + name); });
    failure.Attempt(
        [&] { RemoveFolderIfPresent(found.CacheFolder() + "\\" + firefox::kJumpListCache); });
    failure.Raise();
}

void Cookies(const FoundProfile& found, const chromium::SiteKeepList& keep) {
    const std::string path = found.Folder() + "\\" + firefox::kCookies;
    if (FileExists(path)) firefox::CleanFirefoxCookies(path, keep);
}

void Cache(const FoundProfile& found) {
    for (const std::string& folder : firefox::kCaches) {
        EmptyFolder(found.CacheFolder() + "\\" + folder);
    }
}

void Sessions(const FoundProfile& found) {
    for (const std::string& name : firefox::kSessionFiles) {
        RemoveIfPresent(found.Folder() + "\\" + name);
    }
    for (const std::string& folder : firefox::kSessionFolders) {
        EmptyFolder(found.Folder() + "\\" + folder, true);
    }
}

}  // namespace

const FamilyParts kFirefoxParts{History, Cookies, Cache, Sessions};
