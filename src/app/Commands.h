// The commands of the command line that run without the main window, for scripts and
// schedulers: each shows no window but the progress window of a clean (when the settings ask
// for it), asks for no password, changes no setting, and answers with an exit status.
#pragma once

#include <optional>

#include "app/CommandLine.h"

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // an item failed, or the run could not start
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNothingSelected = 3;

// Runs the command and answers its exit status; nothing for the starts with a window.
std::optional<int> RunCommand(const Command& command);

// The preview of the items in force (app/frmPreview's text) written to the file, replacing it:
// kExitDone, kExitFailed (nothing written, or not all of it) or kExitNothingSelected.
int PreviewWithoutWindow(const std::string& file);

// One clean run of the items in force (the user's settings under the policies), with no
// message box: kExitDone, kExitFailed or kExitNothingSelected.
int CleanWithoutWindow();
