#include "settings/Policies.h"

#include <windows.h>

#include <algorithm>

#include "settings/Options.h"
#include "settings/RegKey.h"
#include "settings/cSettings.h"

namespace {

constexpr REGSAM kReadAccess = KEY_QUERY_VALUE | KEY_WOW64_64KEY;

// The items of the default browser, which the main window turns off when it knows none.
bool IsInternetOption(std::string_view name) {
    return name == "InternetHistory" || name == "TempInternet" || name == "InternetCookies" ||
           name == "InternetURLHistory";
}

std::optional<bool> ReadFlag(IRegistryApi& api, HKEY key, const char* name) {
    DWORD type = 0, data = 0, size = sizeof data;
    const LONG status =
        api.RegQueryValueExA(key, name, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data || data > 1) {
        return std::nullopt;
    }
    return data == 1;
}

void ReadFlags(IRegistryApi& api, std::int32_t root, PolicySet& policies) {
    RegKey key(api);
    if (key.Open(root, regpath::kPolicies, kReadAccess) != ERROR_SUCCESS) return;
    for (const PolicyInfo& policy : kPolicies) {
        if (policies.Flag(policy.name)) continue;  // the machine's value is already in force
        if (std::optional<bool> on = ReadFlag(api, key.Get(), policy.name)) {
            policies.SetFlag(policy.name, *on);
        }
    }
}

// The REG_SZ values of the key as (name, text), in the order "1", "2", ..., "10".
std::vector<std::string> ReadSites(IRegistryApi& api, std::int32_t root) {
    RegKey key(api);
    std::vector<std::pair<std::string, std::string>> named;
    if (key.Open(root, regpath::kSitesToKeep, kReadAccess) != ERROR_SUCCESS) return {};
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        BYTE data[1024] = {};
        DWORD nameLength = sizeof name, type = 0, size = sizeof data - 1;
        const LONG status =
            api.RegEnumValueDataA(key.Get(), index, name, &nameLength, &type, data, &size);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;  // too long or not a site
        std::string text(reinterpret_cast<const char*>(data));
        if (!text.empty()) named.emplace_back(name, text);
    }
    std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
        return a.first.size() != b.first.size() ? a.first.size() < b.first.size()
                                                : a.first < b.first;
    });
    std::vector<std::string> sites;
    for (auto& [name, text] : named) sites.push_back(std::move(text));
    return sites;
}

}  // namespace

std::optional<bool> PolicySet::Flag(std::string_view policy) const {
    auto found = flags_.find(policy);
    if (found == flags_.end()) return std::nullopt;
    return found->second;
}

std::optional<bool> PolicySet::Governing(PolicyTarget target, std::string_view governs) const {
    const PolicyInfo* policy = PolicyGoverning(target, governs);
    return policy == nullptr ? std::nullopt : Flag(policy->name);
}

PolicySet ReadPolicies(IRegistryApi& api) {
    PolicySet policies;
    for (std::int32_t root : {hkey::kLocalMachine, hkey::kCurrentUser}) {
        ReadFlags(api, root, policies);
        if (policies.Sites()) continue;
        std::vector<std::string> sites = ReadSites(api, root);
        if (!sites.empty()) policies.SetSites(std::move(sites));
    }
    return policies;
}

cSettings EffectiveSettings(const cSettings& user, const PolicySet& policies) {
    cSettings effective = user;
    const bool noBrowser = user.DefaultBrowser() == "Unknown Browser";
    for (const Option& option : kOptions) {
        if (noBrowser && IsInternetOption(option.name)) continue;
        std::optional<bool> on = policies.Governing(PolicyTarget::Option, option.name);
        if (on) (effective.*option.set)(*on ? kTrue : kFalse);
    }
    return effective;
}

BrowserParts EffectiveParts(BrowserParts user, const PolicySet& policies) {
    bool* fields[] = {&user.history, &user.cookies, &user.cache, &user.sessions};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        std::optional<bool> on =
            policies.Governing(PolicyTarget::BrowserPart, regpath::kBrowserPartValues[i]);
        if (on) *fields[i] = *on;
    }
    return user;
}

bool AllProfilesByPolicy(const PolicySet& policies) {
    return policies.Flag("AllBrowserProfiles").value_or(false);
}
