// One clean run: the selected items in their fixed order, the progress window, the report
// text from its START line to its END line, and the hand-over to the report writer.
#pragma once

#include <string>

#include "clean/CleanRun.h"
#include "settings/Boolean.h"

class cRegistry;
class cSettings;
class IProgress;

// The run on a progress window the caller provides (unloaded at the end); the program gives
// each run a new one (app/frmProgress.h). Returns the report text of the run ("" when the run
// ended before cleaning anything).
std::string RunClean(cRegistry& registry, cSettings& settings, Boolean quiet, IProgress& progress);

// A preview of the selected items on the progress window the caller provides (shown only when
// DisplayProgress is on, unloaded at the end): what each one's find step found, changing
// nothing.
Preview RunPreview(cRegistry& registry, cSettings& settings, IProgress& progress);

// The preview as text, from its START line to its END line (PreviewText with the user's
// number formats); "" when no item is selected. Needs no window: `progress` may be one that
// shows nothing.
std::string RunPreviewText(cRegistry& registry, cSettings& settings, IProgress& progress);

// The user's locale's counts and Windows' byte sizes.
NumberFormats UserNumberFormats();
