// The four parts of a browser profile the "Other Browsers" page can tick, as each browser
// family finds and cleans them. A part's find step lists what it would remove without
// changing anything; its clean step removes that and raises AppError when the part could not
// be cleaned in full (a failure of the find step is raised there too); the caller tells it in
// the profile's report block and goes on with the next part.
#pragma once

#include <functional>
#include <string>

#include "browser/OtherBrowsers.h"
#include "chromium/CookieDatabase.h"
#include "chromium/SiteKeepList.h"
#include "clean/Findings.h"
#include "clean/FoundFiles.h"

struct FoundPart {
    Findings findings;
    std::function<void()> clean;
};

struct FamilyParts {
    FoundPart (*history)(const FoundProfile&);
    FoundPart (*cookies)(const FoundProfile&, const chromium::SiteKeepList&);
    FoundPart (*cache)(const FoundProfile&);
    FoundPart (*sessions)(const FoundProfile&);
};

extern const FamilyParts kChromiumParts;
extern const FamilyParts kFirefoxParts;

const FamilyParts& PartsOf(BrowserFamily family);

// Runs a part's find step `find`, which fills the findings and answers its clean step; a
// failure is noted in the findings and raised by the clean step.
FoundPart FindPart(const std::function<std::function<void()>(Findings&)>& find);

// What the parts share: files deleted when they were found (with their sizes), folders emptied
// but kept (only their files with `filesOnly`), and cookie counts by the keep-list.
struct FoundFiles {
    std::vector<std::string> files;
    std::vector<FolderContents> folders;
    std::vector<FolderTree> wholeFolders;

    void FindFile(const std::string& path, Findings& findings);
    void FindFolder(const std::string& path, bool filesOnly, Findings& findings);
    // A folder removed whole, with everything in it.
    void FindWholeFolder(const std::string& path, Findings& findings);
    // Every item is tried; the first failure is raised at the end.
    void Remove() const;
};

// The cookies of the hosts the keep-list does not keep, per host, and the hosts it keeps.
void AddCookieCounts(const std::string& label, const std::vector<chromium::HostCount>& hosts,
                     const chromium::SiteKeepList& keep, Findings& findings);
