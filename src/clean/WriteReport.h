// Saves a run's report text as a file in the Reports folder beside the program.
#pragma once

#include <string>

class IProgress;

// Shows the "Writing Report" step, then writes the text byte for byte to
// Reports\CleanReport<ddmmyyyy>_<hhmmss>.txt beside the program, creating the folder when it
// is missing and replacing a file of the same name. A folder or file that cannot be written
// is told to the user; the run goes on.
void WriteReport(const std::string& report, IProgress& progress);

// The same into another reports folder (created when missing; its parent must exist).
void WriteReport(const std::string& report, IProgress& progress, const std::string& folder);

// The Reports folder beside the program.
std::string ReportsFolder();
