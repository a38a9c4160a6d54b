// One clean run: the selected items in their fixed order, the progress window, the report
// text from its START line to its END line, and the hand-over to the report writer.
#pragma once

#include <string>

#include "settings/Boolean.h"

class cRegistry;
class cSettings;
class frmProgress;

// Creates a new progress window for the run and unloads it at the end.
void RunClean(cRegistry& registry, cSettings& settings, Boolean quiet);

// The run itself, on a progress window the caller provides (unloaded at the end). Returns the
// report text of the run ("" when the run ended before cleaning anything).
std::string RunClean(cRegistry& registry, cSettings& settings, Boolean quiet,
                     frmProgress& progress);
