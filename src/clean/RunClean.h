// One clean run: the selected items in their fixed order, the progress window, the report
// text from its START line to its END line, and the hand-over to the report writer.
#pragma once

#include <string>

#include "clean/CleanOtherBrowsers.h"
#include "clean/CleanRun.h"
#include "settings/Boolean.h"
#include "settings/cSettings.h"

class cRegistry;
class IProgress;

// What a run cleans, read just before it: the user's settings with the policies in force
// applied over them (the policies are read again for every run), and the other browsers'
// profiles, parts and kept sites. Stores nothing.
struct CleanPlan {
    cSettings settings;
    OtherBrowsersRun otherBrowsers;
};
CleanPlan PlanClean(cRegistry& registry, const cSettings& settings);

// The run on a progress window the caller provides (unloaded at the end); the program gives
// each run a new one (app/frmProgress.h). Returns the report text of the run ("" when the run
// ended before cleaning anything). A run started while another Brisvane process cleans waits
// for that one to end.
std::string RunClean(cRegistry& registry, const cSettings& settings, Boolean quiet,
                     IProgress& progress);
std::string RunPlannedClean(cRegistry& registry, CleanPlan& plan, Boolean quiet,
                            IProgress& progress);

// A preview of the selected items (as PlanClean has them) on the progress window the caller
// provides (shown only when DisplayProgress is on, unloaded at the end): what each one's find
// step found, changing nothing.
Preview RunPreview(cRegistry& registry, const cSettings& settings, IProgress& progress);

// The preview as text, from its START line to its END line (PreviewText with the user's
// number formats); "" when no item is selected. Needs no window: `progress` may be one that
// shows nothing.
std::string RunPreviewText(cRegistry& registry, const cSettings& settings, IProgress& progress);

// The user's locale's counts and Windows' byte sizes.
NumberFormats UserNumberFormats();
