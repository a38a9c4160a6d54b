// The policies in force and the effective value of every option they govern. Policies are
// read from HKEY_LOCAL_MACHINE, then HKEY_CURRENT_USER (the machine's value wins), in the
// 64-bit view. Only a REG_DWORD of 0 or 1 sets a flag; any other value counts as absent. The
// kept sites are in force while the machine's (else the user's) "SitesToKeep" key holds at
// least one REG_SZ value. Policies only ever change the in-memory settings: the user's stored
// settings stay as they are, so removing a policy gives back the user's own choice.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/BrowserSettings.h"
#include "settings/PolicyTable.h"

class IRegistryApi;
class cSettings;

class PolicySet {
  public:
    // The state the policy of this name sets, if one is in force.
    std::optional<bool> Flag(std::string_view policy) const;
    // The state a policy sets for this option or part of the "Other Browsers" page.
    std::optional<bool> Governing(PolicyTarget target, std::string_view governs) const;
    // The kept sites when the list is set by policy, in the order of their value names.
    const std::optional<std::vector<std::string>>& Sites() const { return sites_; }
    bool Any() const { return !flags_.empty() || sites_.has_value(); }

    void SetFlag(const std::string& policy, bool on) { flags_.emplace(policy, on); }
    void SetSites(std::vector<std::string> sites) { sites_ = std::move(sites); }

  private:
    std::map<std::string, bool, std::less<>> flags_;
    std::optional<std::vector<std::string>> sites_;
};

// Reads every policy; a key that cannot be opened holds none. Never raises.
PolicySet ReadPolicies(IRegistryApi& api);

// The user's settings with the policies applied over them. Where no default browser is known a
// policy does not turn on the four internet items: the main window has turned them off, as
// there is no browser for them to clean.
cSettings EffectiveSettings(const cSettings& user, const PolicySet& policies);

// The parts of the "Other Browsers" page in force.
BrowserParts EffectiveParts(BrowserParts user, const PolicySet& policies);

// True when a policy has every found profile cleaned.
bool AllProfilesByPolicy(const PolicySet& policies);
