#include "clean/RunClean.h"

#include "browser/ProfileFolder.h"
#include "clean/CleanRoutines.h"
#include "clean/CleanRun.h"
#include "clean/WriteReport.h"
#include "platform/NumberText.h"
#include "platform/Progress.h"
#include "platform/UiServices.h"
#include "settings/cSettings.h"

namespace {

// What the "Other Browsers" item cleans; settings that cannot be read select nothing.
OtherBrowsersRun ReadOtherBrowsers(cRegistry& registry) {
    try {
        return LoadOtherBrowsersRun(registry);
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
// Browsers" cleans (its setting follows whether anything of it is ticked).
CleanContext ReadContext(cRegistry& registry, cSettings& settings, bool preview) {
    CleanContext context{
        registry, settings, settings.DefaultBrowser(), "", ReadOtherBrowsers(registry), preview};
    settings.SetOtherBrowsers(context.otherBrowsers.Selected() ? kTrue : kFalse);
    if (context.browser == "NS") context.profileFolder = GetNSProfileFolder(settings);
    return context;
}

}  // namespace

std::string RunClean(cRegistry& registry, cSettings& settings, Boolean quiet, IProgress& progress) {
    CleanContext context = ReadContext(registry, settings, false);
    ProgramRun run(context, progress);
    return RunCleanSteps(settings, quiet, progress, run);
}

Preview RunPreview(cRegistry& registry, cSettings& settings, IProgress& progress) {
    CleanContext context = ReadContext(registry, settings, true);
    ProgramRun run(context, progress);
    return RunPreviewSteps(settings, progress, run);
}

NumberFormats UserNumberFormats() { return NumberFormats{CountText, ByteSizeText}; }

std::string RunPreviewText(cRegistry& registry, cSettings& settings, IProgress& progress) {
    const Preview preview = RunPreview(registry, settings, progress);
    if (!preview.ran) return "";
    return PreviewText(preview.rows, preview.start, preview.end, UserNumberFormats());
}
