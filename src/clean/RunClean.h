// One clean run: the selected items in their fixed order, the progress window, the report
// text from its START line to its END line, and the hand-over to the report writer.
#pragma once

#include <string>

#include "settings/Boolean.h"

class cRegistry;
class cSettings;
class IProgress;

// The run on a progress window the caller provides (unloaded at the end); the program gives
// each run a new one (app/frmProgress.h). Returns the report text of the run ("" when the run
// ended before cleaning anything).
std::string RunClean(cRegistry& registry, cSettings& settings, Boolean quiet, IProgress& progress);
