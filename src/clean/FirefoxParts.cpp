#include "clean/ProfileParts.h"
#include "files/FileSystem.h"
#include "firefox/CookieDatabase.h"
#include "firefox/FormHistory.h"
#include "firefox/PlacesDatabase.h"
#include "firefox/ProfileLayout.h"

namespace {

// Runs `clean` on the profile's database `name` when the profile has one.
void IfPresent(const FoundProfile& found, const char* name, void (*clean)(const std::string&)) {
    const std::string path = found.Folder() + "\\" + name;
    if (FileExists(path)) clean(path);
}

void History(const FoundProfile& found) {
    IfPresent(found, firefox::kPlaces, firefox::CleanPlacesDatabase);
    IfPresent(found, firefox::kFormHistory, firefox::CleanFormHistory);
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
