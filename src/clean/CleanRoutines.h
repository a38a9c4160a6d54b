// Calls the cleaning routine of one item; each routine appends its block to the report text.
#pragma once

#include <string>

#include "clean/CleanItems.h"
#include "clean/CleanOtherBrowsers.h"

class cRegistry;
class cSettings;

struct CleanContext {
    cRegistry& registry;
    cSettings& settings;
    std::string browser;        // "IE", "NS" or "Unknown Browser"
    std::string profileFolder;  // the Netscape profile's folder, or "" unless "NS"
    OtherBrowsersRun otherBrowsers;
};

void CleanOneItem(CleanItem item, CleanContext& context, std::string& report);
