#include "clean/CleanRun.h"

#include "platform/Progress.h"

namespace {

void Advance(IProgress& progress, ICleanRunHost& host, const std::string& caption) {
    progress.SetValue(progress.Value() + 1);
    progress.SetCaption(caption);
    host.DoEvents();
}

// Shows the window with its bar at the first of count + 2 steps.
void ShowProgress(IProgress& progress, ICleanRunHost& host, std::int16_t count) {
    progress.SetMax(static_cast<float>(count + 2));
    progress.Show();
    progress.SetValue(1);
    host.DoEvents();
    host.Pause(1000);
}

}  // namespace

std::string RunCleanSteps(const cSettings& settings, Boolean quiet, IProgress& progress,
                          ICleanRunHost& host) {
    const Boolean display = settings.DisplayProgress();
    const std::int16_t count = CountSelectedItems(settings);
    std::string date = host.Date();
    std::string report = ReportStartLine(date, host.Time());

    if (quiet == kFalse && display != kFalse) {
        if (count == 0) {
            host.Tell(kNoItemsMessage);
            return "";
        }
        ShowProgress(progress, host, count);
    }
    if (count == 0) return "";

    for (const CleanItemInfo& info : kCleanItems) {
        if ((settings.*info.selected)() == kFalse) continue;
        Advance(progress, host, std::string(kProgressPrefix) + info.caption);
        host.Clean(info, report);
        host.Pause(2000);
    }

    Advance(progress, host, kCompletingCaption);
    host.Pause(1000);

    date = host.Date();
    report += ReportEndLine(date, host.Time());
    if (settings.Report() != kFalse) host.WriteReport(report);
    progress.Unload();
    return report;
}

int CleanExitCode(const std::string& report) {
    bool inBlock = false, ended = false;
    std::string last;
    for (std::size_t start = 0; start < report.size();) {
        std::size_t end = report.find(kCrLf, start);
        if (end == std::string::npos) end = report.size();
        const std::string line = report.substr(start, end - start);
        start = end + 2;
        const bool title = line.rfind("Cleaning ", 0) == 0;
        ended = line.rfind("END OF", 0) == 0;
        if ((title || ended) && inBlock && last != kCompleted) return 1;
        if (line.rfind("Error: ", 0) == 0) return 1;
        if (title) inBlock = true;
        if (ended) break;
        last = line;
    }
    return ended ? 0 : 1;
}

Preview RunPreviewSteps(const cSettings& settings, IProgress& progress, ICleanRunHost& host) {
    const bool display = settings.DisplayProgress() != kFalse;
    const std::int16_t count = CountSelectedItems(settings);
    Preview preview;
    if (count == 0) {
        host.Tell(kNoItemsMessage);
        return preview;
    }
    preview.ran = true;
    std::string date = host.Date();
    preview.start = date + " " + host.Time();
    if (display) {
        progress.SetMax(static_cast<float>(count + 1));
        progress.Show();
        progress.SetValue(1);
        host.DoEvents();
    }
    for (const CleanItemInfo& info : kCleanItems) {
        if ((settings.*info.selected)() == kFalse) continue;
        if (display) Advance(progress, host, std::string(kProgressPrefix) + CheckingCaption(info));
        for (PreviewRow& row : host.Find(info)) preview.rows.push_back(std::move(row));
    }
    date = host.Date();
    preview.end = date + " " + host.Time();
    if (display) progress.Unload();
    return preview;
}
