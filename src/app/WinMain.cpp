// Entry point of Brisvane.exe.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "app/Main.h"
#include "app/frmMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (std::optional<int> exitCode = RunCommandLine()) return *exitCode;
    frmMain mainWindow;
    Main(mainWindow);
    if (!mainWindow.IsLoaded()) return 0;
    return RunMessageLoop(mainWindow);
}
