#include "clean/RunClean.h"

#include "browser/ProfileFolder.h"
#include "clean/CleanRoutines.h"
#include "clean/CleanRun.h"
#include "clean/WriteReport.h"
#include "platform/NumberText.h"
#include "platform/Progress.h"
#include "platform/System.h"
#include "platform/UiServices.h"
#include "settings/Policies.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

// What the "Other Browsers" item cleans; settings that cannot be read select nothing.
OtherBrowsersRun ReadOtherBrowsers(cRegistry& registry, const PolicySet& policies) {
    try {
        return LoadOtherBrowsersRun(registry, policies);
    } catch (const std::exception&) {
        return {};
    }
}

// The program's own message loop, pauses, clock, message box, routines and report writer.
class ProgramRun : public ICleanRunHost {
  public:
    ProgramRun(CleanContext& context, IProgress& progress)
        : context_(context), progress_(progress) {}

    void DoEvents() override { Ui().DoEvents(); }
    void Pause(unsigned milliseconds) override { Ui().Pause(milliseconds); }
    std::string Date() override {
        const ClockTime now = Ui().Now();
        return FormatReportDate(now, Ui().MonthAbbreviation(now.month));
    }
    std::string Time() override { return FormatReportTime(Ui().Now()); }
    void Tell(const std::string& message) override {
        Ui().ShowMessage(message, MB_OK | MB_ICONINFORMATION);
    }
    void Clean(const CleanItemInfo& item, std::string& report) override {
        CleanOneItem(item.item, context_, report);
    }
    std::vector<PreviewRow> Find(const CleanItemInfo& item) override {
        std::vector<PreviewRow> rows;
        for (FoundRow& row : FindOneItem(item.item, context_)) {
            rows.push_back({std::move(row.name), std::move(row.findings)});
        }
        return rows;
    }
    void WriteReport(const std::string& report) override { ::WriteReport(report, progress_); }

  private:
    CleanContext& context_;
    IProgress& progress_;
};

// The context of a run: the browser code and profile folder read once, and what "Other
// Browsers" cleans, as planned.
CleanContext ReadContext(cRegistry& registry, CleanPlan& plan, bool preview) {
    cSettings& settings = plan.settings;
    CleanContext context{
        registry, settings, settings.DefaultBrowser(), "", std::move(plan.otherBrowsers), preview};
    if (context.browser == "NS") context.profileFolder = GetNSProfileFolder(settings);
    return context;
}

}  // namespace

CleanPlan PlanClean(cRegistry& registry, const cSettings& settings) {
    const PolicySet policies = ReadPolicies(registry.Api());
    CleanPlan plan{EffectiveSettings(settings, policies), ReadOtherBrowsers(registry, policies)};
    plan.settings.SetOtherBrowsers(plan.otherBrowsers.Selected() ? kTrue : kFalse);
    return plan;
}

std::string RunClean(cRegistry& registry, const cSettings& settings, Boolean quiet,
                     IProgress& progress) {
    CleanPlan plan = PlanClean(registry, settings);
    return RunPlannedClean(registry, plan, quiet, progress);
}

std::string RunPlannedClean(cRegistry& registry, CleanPlan& plan, Boolean quiet,
                            IProgress& progress) {
    const CleanLock lock;
    CleanContext context = ReadContext(registry, plan, false);
    ProgramRun run(context, progress);
    return RunCleanSteps(plan.settings, quiet, progress, run);
}

Preview RunPreview(cRegistry& registry, const cSettings& settings, IProgress& progress) {
    CleanPlan plan = PlanClean(registry, settings);
    CleanContext context = ReadContext(registry, plan, true);
    ProgramRun run(context, progress);
    return RunPreviewSteps(plan.settings, progress, run);
}

NumberFormats UserNumberFormats() { return NumberFormats{CountText, ByteSizeText}; }

std::string RunPreviewText(cRegistry& registry, const cSettings& settings, IProgress& progress) {
    const Preview preview = RunPreview(registry, settings, progress);
    if (!preview.ran) return "";
    return PreviewText(preview.rows, preview.start, preview.end, UserNumberFormats());
}
