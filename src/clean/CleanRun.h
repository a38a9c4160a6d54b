// The steps of one clean run, apart from what they act on: the selected items in the table's
// order, the progress window's captions and bar, the pauses, the message when nothing is
// selected, and the report text from its START line to its END line.
#pragma once

#include <string>
#include <vector>

#include "clean/CleanItems.h"
#include "clean/Findings.h"

class IProgress;

inline constexpr const char* kNoItemsMessage = "No Items selected for Cleaning.";
inline constexpr const char* kCompletingCaption = "Brisvane: Completing...";

// What a run acts on. RunClean gives it the program's own: the message loop, pauses, the clock,
// an information box, the items' routines and the report writer.
class ICleanRunHost {
  public:
    virtual ~ICleanRunHost() = default;
    virtual void DoEvents() = 0;
    virtual void Pause(unsigned milliseconds) = 0;
    virtual std::string Date() = 0;  // one reading of the clock, "dd-mmm-yyyy"
    virtual std::string Time() = 0;  // another reading, "hh:mm:ss"
    virtual void Tell(const std::string& message) = 0;
    virtual void Clean(const CleanItemInfo& item, std::string& report) = 0;
    // The item's find step alone: its preview rows.
    virtual std::vector<PreviewRow> Find(const CleanItemInfo& item) = 0;
    virtual void WriteReport(const std::string& report) = 0;
};

// The exit status of a run started from the command line, read from its report: 0 when every
// block ended "Completed", 1 when a block holds an "Error: " line or ended without "Completed"
// (a failure some items pass over in silence), and for a report without its END line.
int CleanExitCode(const std::string& report);

// One run (see RunClean). Each item's setting is read just before the item. Returns the report
// text ("" when the run ended before cleaning anything).
std::string RunCleanSteps(const cSettings& settings, Boolean quiet, IProgress& progress,
                          ICleanRunHost& host);

// What a preview found, with the date and time it started and ended ("<date> <time>").
struct Preview {
    bool ran = false;  // false when no item was selected
    std::string start;
    std::string end;
    std::vector<PreviewRow> rows;
};

// A preview: the find step of each selected item in the run's order, with the progress window
// when DisplayProgress is on (captions "Checking: ..."), without the clean's pauses. With no
// item selected it tells kNoItemsMessage and finds nothing.
Preview RunPreviewSteps(const cSettings& settings, IProgress& progress, ICleanRunHost& host);
