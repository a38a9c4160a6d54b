// Start-up of the program and its message loop.
#pragma once

#include <optional>

class frmMain;

// Sets the NT-family and Windows 7 flags from the platform the program runs on.
void DetectWindowsNT();

// Runs a command of the program's command line that needs no main window (app/Commands.h)
// and answers its exit status; nothing when the main window is to start.
std::optional<int> RunCommandLine();

// Detects the platform, reads the command line and loads the main window.
void Main(frmMain& mainWindow);

// Runs events until the main window has gone; returns the exit code.
int RunMessageLoop(frmMain& mainWindow);
