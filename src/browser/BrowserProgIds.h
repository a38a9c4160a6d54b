// Which browser of the "Other Browsers" page a ProgId of the user's "http" choice names, as
// each browser registers itself with Windows ("ChromeHTML", "FirefoxURL-308046B0AF4A39CB", ...).
#pragma once

#include <string>

#include "browser/OtherBrowsers.h"

// The page's browser the ProgId belongs to; nullptr for any other ProgId.
const OtherBrowser* OtherBrowserOfProgId(const std::string& progId);

// The line the "Internet Cleaning" page shows for it: "<name> is cleaned on the Other Browsers
// page".
std::string CleanedElsewhereText(const OtherBrowser& browser);
