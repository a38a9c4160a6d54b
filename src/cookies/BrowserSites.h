// The sites that have cookies in the profiles of the "Other Browsers" page, as the site
// keep-list window lists them. The databases are only read, never changed; a running browser's
// are skipped, because it holds them locked and may be writing them.
#pragma once

#include <string>
#include <vector>

#include "browser/OtherBrowsers.h"

struct BrowserSites {
    std::vector<std::string> hosts;     // lower-cased, without leading dots, unique, sorted
    std::vector<std::string> running;   // names of the browsers skipped, each once
    std::vector<std::string> failures;  // "<browser> (<profile>): <description>"
};

BrowserSites ReadBrowserSites(const std::vector<FoundProfile>& profiles);

// What the window says about the running browsers: "Close Google Chrome to list its sites.",
// "Close Google Chrome and Opera to list their sites."; "" when none runs.
std::string CloseBrowsersText(const std::vector<std::string>& running);
