// Cleaning the browsers of the "Other Browsers" page: one report block per ticked profile,
// "Cleaning <browser> (<profile>)", then an "Error: " line for each part that failed (the
// others still run) and "Completed" when every ticked part was done. Nothing of a running
// browser is touched. Bookmarks, passwords, autofill, extensions and preferences never are.
#pragma once

#include <string>
#include <vector>

#include "browser/OtherBrowsers.h"
#include "chromium/SiteKeepList.h"
#include "clean/FoundItem.h"
#include "settings/BrowserSettings.h"
#include "settings/Policies.h"

class cRegistry;

// What a run cleans, read once before it starts: the ticked parts, the site keep-list and the
// found profiles whose tick is stored, in the order they are cleaned.
struct OtherBrowsersRun {
    BrowserParts parts;
    std::vector<std::string> sites;
    std::vector<FoundProfile> profiles;

    // At least one found profile and one part are ticked.
    bool Selected() const { return parts.Any() && !profiles.empty(); }
};

// The user's ticks, parts and sites with the policies applied over them; stores nothing.
// Raises AppError when the settings cannot be read.
OtherBrowsersRun LoadOtherBrowsersRun(cRegistry& registry, const PolicySet& policies = {});

// The find step: one row per ticked profile, named as its report block.
std::vector<FoundRow> FindOtherBrowsers(const OtherBrowsersRun& run);

// Cleans the ticked parts of every ticked profile.
void CleanOtherBrowsers(const OtherBrowsersRun& run, std::string& report);

// One profile's block.
void CleanBrowserProfile(const FoundProfile& found, const BrowserParts& parts,
                         const chromium::SiteKeepList& keep, std::string& report);
