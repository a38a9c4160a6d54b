// Cleaning the browsers of the "Other Browsers" page: one report block per ticked profile,
// "Cleaning <browser> (<profile>)", then an "Error: " line for each part that failed (the
// others still run) and "Completed" when every ticked part was done. Nothing of a running
// browser is touched. Bookmarks, passwords, autofill, extensions and preferences never are.
#pragma once

#include <string>
#include <vector>

#include "browser/OtherBrowsers.h"
#include "chromium/SiteKeepList.h"
#include "settings/BrowserSettings.h"

class cRegistry;

// The found profiles whose tick is stored, in the order they are cleaned.
std::vector<FoundProfile> TickedProfiles(cRegistry& registry);

// True when at least one found profile and one part are ticked.
bool OtherBrowsersSelected(cRegistry& registry);

// Cleans the ticked parts of every ticked profile, reading the settings and the site keep-list
// once.
void CleanOtherBrowsers(cRegistry& registry, std::string& report);

// One profile's block.
void CleanBrowserProfile(const FoundProfile& found, const BrowserParts& parts,
                         const chromium::SiteKeepList& keep, std::string& report);
