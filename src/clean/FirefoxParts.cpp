#include "clean/DatabaseFinding.h"
#include "clean/ProfileParts.h"
#include "files/FileSystem.h"
#include "firefox/CookieDatabase.h"
#include "firefox/FormHistory.h"
#include "firefox/PlacesDatabase.h"
#include "firefox/ProfileLayout.h"
#include "platform/NumberText.h"

namespace {

FoundPart History(const FoundProfile& found) {
    return FindPart([&](Findings& findings) -> std::function<void()> {
        const std::string places = found.Folder() + "\\" + firefox::kPlaces;
        const std::string forms = found.Folder() + "\\" + firefox::kFormHistory;
        const bool hasPlaces = FileExists(places);
        const bool hasForms = FileExists(forms);
        if (hasPlaces) {
            AddCounts(firefox::kPlaces, CountDatabase(places, firefox::CountPlacesDatabase),
                      findings);
        }
        if (hasForms) {
            const auto searches =
                static_cast<std::uint64_t>(CountDatabase(forms, firefox::CountFormHistory));
            findings.entries += searches;
            if (searches != 0) {
                findings.AddLine(std::string(firefox::kFormHistory) + ": moz_formhistory " +
                                 CountText(searches));
            }
        }
        return [places, forms, hasPlaces, hasForms] {
            if (hasPlaces) firefox::CleanPlacesDatabase(places);
            if (hasForms) firefox::CleanFormHistory(forms);
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
