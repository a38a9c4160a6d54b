#include "clean/DatabaseFinding.h"
#include "clean/FirstFailure.h"
#include "clean/ProfileParts.h"
#include "files/FileSystem.h"
#include "firefox/CookieDatabase.h"
#include "firefox/FaviconsDatabase.h"
#include "firefox/FormHistory.h"
#include "firefox/PlacesDatabase.h"
#include "firefox/ProfileLayout.h"
#include "platform/NumberText.h"

namespace {

// The icons against the places that remain; without places.sqlite nothing tells which pages
// remain, so the icons stay as they are.
void CleanFavicons(const std::string& path) {
    const std::string places = path.substr(0, path.rfind('\\') + 1) + firefox::kPlaces;
    if (FileExists(places)) firefox::CleanFaviconsDatabase(path, firefox::PlaceUrls(places));
}

// The places (then the icons of the pages that left them), the form history, the sites visited
// over HTTPS and the jump list's icons: each is cleaned although another fails.
FoundPart History(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        const std::string places = found.Folder() + "\\" + firefox::kPlaces;
        const std::string icons = found.Folder() + "\\" + firefox::kFavicons;
        const std::string forms = found.Folder() + "\\" + firefox::kFormHistory;
        const bool hasPlaces = FileExists(places);
        const bool hasIcons = hasPlaces && FileExists(icons);
        const bool hasForms = FileExists(forms);
        if (hasPlaces) {
            AddCounts(firefox::kPlaces, CountDatabase(places, firefox::CountPlacesDatabase),
                      findings);
        }
        // Which icons go is decided by the places that remain after their clean.
        if (hasIcons)
            findings.AddLine(std::string(firefox::kFavicons) + ": the icons of pages that go");
        if (hasForms) {
            const auto searches =
                static_cast<std::uint64_t>(CountDatabase(forms, firefox::CountFormHistory));
            findings.entries += searches;
            if (searches != 0) {
                findings.AddLine(std::string(firefox::kFormHistory) + ": moz_formhistory " +
                                 CountText(searches));
            }
        }
        FoundFiles files;
        for (const std::string& name : firefox::kSiteSecurityFiles)
            files.FindFile(found.Folder() + "\\" + name, findings);
        files.FindWholeFolder(found.CacheFolder() + "\\" + firefox::kJumpListCache, findings);
        return [places, icons, forms, hasPlaces, hasIcons, hasForms, files] {
            FirstFailure failure;
            // The icons only after the places were cleaned: the places that remain decide them.
            failure.Attempt([&] {
                if (hasPlaces) firefox::CleanPlacesDatabase(places);
                if (hasIcons) CleanFavicons(icons);
            });
            failure.Attempt([&] {
                if (hasForms) firefox::CleanFormHistory(forms);
            });
            failure.Attempt([&] { files.Remove(); });
            failure.Raise();
        };
    });
}

FoundPart Cookies(const FoundProfile& found, const chromium::SiteKeepList& keep) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        const std::string path = found.Folder() + "\\" + firefox::kCookies;
        if (!FileExists(path)) return [] {};
        AddCookieCounts(firefox::kCookies, CountDatabase(path, firefox::CountFirefoxCookies), keep,
                        findings);
        return [path, &keep] { firefox::CleanFirefoxCookies(path, keep); };
    });
}

FoundPart Cache(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        FoundFiles caches;
        for (const std::string& folder : firefox::kCaches) {
            caches.FindFolder(found.CacheFolder() + "\\" + folder, false, findings);
        }
        return [caches] { caches.Remove(); };
    });
}

FoundPart Sessions(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        FoundFiles sessions;
        for (const std::string& name : firefox::kSessionFiles) {
            sessions.FindFile(found.Folder() + "\\" + name, findings);
        }
        for (const std::string& folder : firefox::kSessionFolders) {
            sessions.FindFolder(found.Folder() + "\\" + folder, true, findings);
        }
        return [sessions] { sessions.Remove(); };
    });
}

}  // namespace

const FamilyParts kFirefoxParts{History, Cookies, Cache, Sessions};
