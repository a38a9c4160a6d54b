// Start-up of the program and its message loop.
#pragma once

class frmMain;

// Sets the NT-family and Windows 7 flags from the platform the program runs on.
void DetectWindowsNT();

// Detects the platform, reads the command line and loads the main window.
void Main(frmMain& mainWindow);

// Runs events until the main window has gone; returns the exit code.
int RunMessageLoop(frmMain& mainWindow);
