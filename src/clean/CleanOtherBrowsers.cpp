#include "clean/CleanOtherBrowsers.h"

#include <functional>
#include <memory>

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

FoundRow FindBrowserProfile(const FoundProfile& found, const BrowserParts& parts,
                            std::shared_ptr<const chromium::SiteKeepList> keep) {
    FoundRow row{found.Title(), {}, {}};
    // A running browser's files are read as they are, and nothing of it is cleaned.
    const bool running = IsBrowserRunning(found);
    row.findings.running = running;
    const FamilyParts& family = PartsOf(found.browser->family);
    std::vector<FoundPart> partsFound;
    if (parts.history) partsFound.push_back(family.history(found));
    if (parts.cookies) partsFound.push_back(family.cookies(found, *keep));
    if (parts.cache) partsFound.push_back(family.cache(found));
    if (parts.sessions) partsFound.push_back(family.sessions(found));
    std::vector<std::function<void()>> cleans;
    for (FoundPart& part : partsFound) {
        row.findings.Add(part.findings);
        cleans.push_back(std::move(part.clean));
    }
    const std::string title = "Cleaning " + found.Title();
    const std::string name = found.browser->name;
    row.clean = [title, name, running, cleans, keep](std::string& report) {
        const FailureRule rule = ItemInfo(CleanItem::OtherBrowsers).rule;
        WriteReportBlock(report, title, rule, [&] {
            if (running) {
                report += ErrorLine(name + " is running - close it, then clean again");
                return false;
            }
            bool done = true;
            for (const std::function<void()>& clean : cleans) done &= RunPart(clean, report);
            return done;
        });
    };
    return row;
}

std::vector<FoundRow> FindOtherBrowsers(const OtherBrowsersRun& run) {
    const auto keep = std::make_shared<const chromium::SiteKeepList>(run.sites);
    std::vector<FoundRow> rows;
    for (const FoundProfile& found : run.profiles) {
        rows.push_back(FindBrowserProfile(found, run.parts, keep));
    }
    return rows;
}

void CleanBrowserProfile(const FoundProfile& found, const BrowserParts& parts,
                         const chromium::SiteKeepList& keep, std::string& report) {
    FindBrowserProfile(found, parts, std::make_shared<const chromium::SiteKeepList>(keep))
        .clean(report);
}

void CleanOtherBrowsers(const OtherBrowsersRun& run, std::string& report) {
    for (FoundRow& row : FindOtherBrowsers(run)) row.clean(report);
}
