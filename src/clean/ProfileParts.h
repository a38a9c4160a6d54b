// The four parts of a browser profile the "Other Browsers" page can tick, as each browser
// family cleans them. Each routine raises AppError when its part could not be cleaned in full;
// the caller tells it in the profile's report block and goes on with the next part.
#pragma once

#include <string>

#include "browser/OtherBrowsers.h"
#include "chromium/SiteKeepList.h"

struct FamilyParts {
    void (*history)(const FoundProfile&);
    void (*cookies)(const FoundProfile&, const chromium::SiteKeepList&);
    void (*cache)(const FoundProfile&);
    void (*sessions)(const FoundProfile&);
};

extern const FamilyParts kChromiumParts;
extern const FamilyParts kFirefoxParts;

const FamilyParts& PartsOf(BrowserFamily family);

// What the parts share: a file or a folder (with everything in it) deleted when it is there,
// and a folder emptied but kept (only its files with `filesOnly`). Every item of the folder is
// tried; the first failure is raised at the end.
void RemoveIfPresent(const std::string& path);
void RemoveFolderIfPresent(const std::string& path);
void EmptyFolder(const std::string& path, bool filesOnly = false);
