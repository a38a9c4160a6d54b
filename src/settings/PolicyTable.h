// The administrators' policies: one REG_DWORD value per policy below regpath::kPolicies (1 on,
// 0 off) and what each governs, plus the list of kept sites in its own sub-key. The policy
// reader, the windows that lock their boxes and the check of the administrative template
// (policies/Brisvane.admx) all take the policies from this one table.
#pragma once

#include <string_view>

#include "settings/RegistryPaths.h"

enum class PolicyTarget {
    Option,              // an option of the settings key (settings/Options.h), same name
    BrowserPart,         // a part of the "Other Browsers" page (regpath::kBrowserPartValues)
    AllBrowserProfiles,  // on: every profile found is cleaned, whatever its tick
};

struct PolicyInfo {
    const char* name;  // the policy's value name
    PolicyTarget target;
    const char* governs;  // the option or part it sets; "" for AllBrowserProfiles
};

inline constexpr PolicyInfo kPolicies[] = {
    {"DocumentHistory", PolicyTarget::Option, "DocumentHistory"},
    {"FindSearch", PolicyTarget::Option, "FindSearch"},
    {"Run", PolicyTarget::Option, "Run"},
    {"TempFiles", PolicyTarget::Option, "TempFiles"},
    {"RecycleBin", PolicyTarget::Option, "RecycleBin"},
    {"ExplorerHistory", PolicyTarget::Option, "ExplorerHistory"},
    {"InternetCookies", PolicyTarget::Option, "InternetCookies"},
    {"InternetHistory", PolicyTarget::Option, "InternetHistory"},
    {"TempInternet", PolicyTarget::Option, "TempInternet"},
    {"InternetURLHistory", PolicyTarget::Option, "InternetURLHistory"},
    {"CleanAtStartUp", PolicyTarget::Option, "CleanAtStartUp"},
    {"CleanAtShutDown", PolicyTarget::Option, "CleanAtShutDown"},
    {"DisplayProgress", PolicyTarget::Option, "DisplayProgress"},
    {"Report", PolicyTarget::Option, "Report"},
    {"BrowserHistory", PolicyTarget::BrowserPart, "History"},
    {"BrowserCookies", PolicyTarget::BrowserPart, "Cookies"},
    {"BrowserCache", PolicyTarget::BrowserPart, "Cache"},
    {"BrowserSessions", PolicyTarget::BrowserPart, "Sessions"},
    {"AllBrowserProfiles", PolicyTarget::AllBrowserProfiles, ""},
};

// The list policy: its sub-key below regpath::kPolicies holds the kept sites.
inline constexpr const char* kSitesToKeepPolicy = regpath::kSitesToKeepName;

// The policy that sets this option or part, or null.
constexpr const PolicyInfo* PolicyGoverning(PolicyTarget target, std::string_view governs) {
    for (const PolicyInfo& policy : kPolicies) {
        if (policy.target == target && governs == policy.governs) return &policy;
    }
    return nullptr;
}
