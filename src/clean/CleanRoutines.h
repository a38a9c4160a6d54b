// Calls the find step of one item and, for a clean, its clean step; each clean step appends
// its block to the report text.
#pragma once

#include <string>
#include <vector>

#include "clean/CleanItems.h"
#include "clean/CleanOtherBrowsers.h"
#include "clean/FoundItem.h"

class cRegistry;
class cSettings;

struct CleanContext {
    cRegistry& registry;
    cSettings& settings;
    std::string browser;        // "IE", "NS" or "Unknown Browser"
    std::string profileFolder;  // the Netscape profile's folder, or "" unless "NS"
    OtherBrowsersRun otherBrowsers;
    bool preview = false;  // the find steps must not even create a missing settings key
};

// The item's find step: its rows ("Other Browsers": one per ticked profile).
std::vector<FoundRow> FindOneItem(CleanItem item, CleanContext& context);

// The find step, then the clean step of every row.
void CleanOneItem(CleanItem item, CleanContext& context, std::string& report);
