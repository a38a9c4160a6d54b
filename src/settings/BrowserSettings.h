// What the user chose to clean of the browsers of the "Other Browsers" page, and the site
// keep-list of their cookies.
//
// Under HKEY_CURRENT_USER "Software\Brisvane\Settings\Browsers": the parts "History",
// "Cookies", "Cache" and "Sessions" as "True"/"False" (created at first use as True, True, True,
// False), and one value per ticked profile named "<code>|<profile folder>". A profile without a
// value is not cleaned. Under "...\Settings\Sites": the kept sites as REG_SZ values "Site0",
// "Site1", ... Registry failures raise AppError.
#pragma once

#include <set>
#include <string>
#include <vector>

class cRegistry;

struct BrowserParts {
    bool history = false;
    bool cookies = false;
    bool cache = false;
    bool sessions = false;

    bool Any() const { return history || cookies || cache || sessions; }
    bool operator==(const BrowserParts&) const = default;
};

// Reads the four parts; a part without a value has its first-use state, and is created with it
// unless storeFirstUse is false (a clean run changes no setting). A text that is not a truth
// value counts as False.
BrowserParts LoadBrowserParts(cRegistry& registry, bool storeFirstUse = true);
void SaveBrowserPart(cRegistry& registry, const std::string& part, bool on);

// "<code>|<folder>", the value name of a profile's tick.
std::string ProfileSettingName(const std::string& code, const std::string& folder);
// The names of the ticked profiles, read in one pass.
std::set<std::string> LoadTickedProfiles(cRegistry& registry);
void SaveProfileTick(cRegistry& registry, const std::string& code, const std::string& folder,
                     bool on);

// The kept sites in the order the registry gives them.
std::vector<std::string> LoadSites(cRegistry& registry);
// Rewrites the key with exactly these sites as Site0, Site1, ...
void SaveSites(cRegistry& registry, const std::vector<std::string>& sites);
