#include "clean/CleanOtherBrowsers.h"

#include <exception>
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

std::vector<FoundProfile> TickedProfiles(cRegistry& registry) {
    const std::set<std::string> ticked = LoadTickedProfiles(registry);
    std::vector<FoundProfile> profiles;
    if (ticked.empty()) return profiles;
    for (FoundProfile& found : FindBrowserProfiles(registry)) {
        if (ticked.count(ProfileSettingName(found.browser->code, found.profile.folder)) != 0) {
            profiles.push_back(std::move(found));
        }
    }
    return profiles;
}

bool OtherBrowsersSelected(cRegistry& registry) {
    return LoadBrowserParts(registry).Any() && !TickedProfiles(registry).empty();
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

void CleanOtherBrowsers(cRegistry& registry, std::string& report) {
    BrowserParts parts;
    std::vector<std::string> sites;
    std::vector<FoundProfile> profiles;
    try {
        parts = LoadBrowserParts(registry);
        sites = LoadSites(registry);
        profiles = TickedProfiles(registry);
    } catch (const std::exception&) {
        // Without the ticks nothing is cleaned; the item's own block tells why.
        WriteItemBlock(
            CleanItem::OtherBrowsers, report,
            [failure = std::current_exception()]() -> bool { std::rethrow_exception(failure); });
        return;
    }
    const chromium::SiteKeepList keep(sites);
    for (const FoundProfile& found : profiles) CleanBrowserProfile(found, parts, keep, report);
}
