#include "clean/RunClean.h"

#include "browser/ProfileFolder.h"
#include "clean/CleanItems.h"
#include "clean/CleanRoutines.h"
#include "clean/ReportText.h"
#include "clean/WriteReport.h"
#include "platform/Progress.h"
#include "platform/UiServices.h"
#include "settings/cSettings.h"

namespace {

// Date and time come from two separate readings of the clock.
std::string StampDate() {
    ClockTime now = Ui().Now();
    return FormatReportDate(now, Ui().MonthAbbreviation(now.month));
}

std::string StampTime() { return FormatReportTime(Ui().Now()); }

void Advance(IProgress& progress, const std::string& caption) {
    progress.SetValue(progress.Value() + 1);
    progress.SetCaption(caption);
    Ui().DoEvents();
}

}  // namespace

std::string RunClean(cRegistry& registry, cSettings& settings, Boolean quiet, IProgress& progress) {
    const Boolean display = settings.DisplayProgress();
    const std::int16_t count = CountSelectedItems(settings);
    CleanContext context{registry, settings, settings.DefaultBrowser(), ""};
    if (context.browser == "NS") context.profileFolder = GetNSProfileFolder(settings);

    std::string date = StampDate();
    std::string report = ReportStartLine(date, StampTime());

    if (quiet == kFalse && display != kFalse) {
        if (count == 0) {
            Ui().ShowMessage("No Items selected for Cleaning.", MB_OK | MB_ICONINFORMATION);
            return "";
        }
        progress.SetMax(static_cast<float>(count + 2));
        progress.Show();
        progress.SetValue(1);
        Ui().DoEvents();
        Ui().Pause(1000);
    }
    if (count == 0) return "";

    for (const CleanItemInfo& info : kCleanItems) {
        if ((settings.*info.selected)() == kFalse) continue;
        Advance(progress, std::string(kProgressPrefix) + info.caption);
        CleanOneItem(info.item, context, report);
        Ui().Pause(2000);
    }

    Advance(progress, "Brisvane: Completing...");
    Ui().Pause(1000);

    date = StampDate();
    report += ReportEndLine(date, StampTime());
    if (settings.Report() != kFalse) WriteReport(report, progress);
    progress.Unload();
    return report;
}
