#include "clean/WriteReport.h"

#include "clean/ReportText.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/Progress.h"
#include "platform/System.h"
#include "platform/UiServices.h"

namespace {

// Date and time come from two separate readings of the clock.
std::string ReportPath(const std::string& folder) {
    const ClockTime date = Ui().Now();
    const ClockTime time = Ui().Now();
    return folder + "\\" + ReportFileName(date, time);
}

// Written beside and moved over in one step: a report that cannot be written in full (a full
// disk) leaves an earlier report of the same name as it was, and no part of itself.
void SaveReport(const std::string& report, const std::string& folder) {
    if (!FolderExists(folder)) CreateFolder(folder);
    ReplaceFileText(ReportPath(folder), report);
}

}  // namespace

std::string ReportsFolder() { return ProgramFolder() + "\\Reports"; }

void WriteReport(const std::string& report, IProgress& progress) {
    WriteReport(report, progress, ReportsFolder());
}

void WriteReport(const std::string& report, IProgress& progress, const std::string& folder) {
    progress.SetCaption("Brisvane: Writing Report...");
    Ui().DoEvents();
    Ui().Pause(2000);
    try {
        SaveReport(report, folder);
    } catch (const AppError& failure) {
        Ui().ShowMessage(
            "The cleaning report could not be saved in " + folder + ".\n\n" + failure.Description(),
            MB_OK | MB_ICONEXCLAMATION);
    }
}
