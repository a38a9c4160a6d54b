#include "clean/CleanOtherBrowsers.h"

#include <functional>

#include "clean/CleanItems.h"
#include "clean/ProfileParts.h"
#include "clean/ReportText.h"

namespace {

// Runs one part; a failure adds its line and the block goes on.
bool RunPart(const std::function<void()>& part, std::string& report) {
    try {
        part();
        return true;
    } catch (const std::exception& failure) {
        report += ErrorLine(failure.what());
        return false;
    }
}

}  // namespace

OtherBrowsersRun LoadOtherBrowsersRun(cRegistry& registry, const PolicySet& policies) {
    OtherBrowsersRun run{EffectiveParts(LoadBrowserParts(registry, false), policies),
                         policies.Sites() ? *policies.Sites() : LoadSites(registry),
                         {}};
    const bool all = AllProfilesByPolicy(policies);
    const std::set<std::string> ticked =
        all ? std::set<std::string>{} : LoadTickedProfiles(registry);
    if (!all && ticked.empty()) return run;
    for (FoundProfile& found : FindBrowserProfiles(registry)) {
        if (all ||
            ticked.count(ProfileSettingName(found.browser->code, found.profile.folder)) != 0) {
            run.profiles.push_back(std::move(found));
        }
    }
    return run;
}

void CleanBrowserProfile(const FoundProfile& found, const BrowserParts& parts,
                         const chromium::SiteKeepList& keep, std::string& report) {
    const FailureRule rule = ItemInfo(CleanItem::OtherBrowsers).rule;
    WriteReportBlock(report, "Cleaning " + found.Title(), rule, [&] {
        if (IsBrowserRunning(found)) {
            report += ErrorLine(std::string(found.browser->name) +
                                " is running - close it, then clean again");
            return false;
        }
        const FamilyParts& clean = PartsOf(found.browser->family);
        bool done = true;
        if (parts.history) done &= RunPart([&] { clean.history(found); }, report);
        if (parts.cookies) done &= RunPart([&] { clean.cookies(found, keep); }, report);
        if (parts.cache) done &= RunPart([&] { clean.cache(found); }, report);
        if (parts.sessions) done &= RunPart([&] { clean.sessions(found); }, report);
        return done;
    });
}

void CleanOtherBrowsers(const OtherBrowsersRun& run, std::string& report) {
    const chromium::SiteKeepList keep(run.sites);
    for (const FoundProfile& found : run.profiles) {
        CleanBrowserProfile(found, run.parts, keep, report);
    }
}
