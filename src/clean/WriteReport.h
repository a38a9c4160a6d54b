// Saves a run's report text as a file in the Reports folder beside the program.
#pragma once

#include <string>

class frmProgress;

void WriteReport(const std::string& report, frmProgress& progress);
