#include "app/Main.h"

#include <windows.h>

#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/frmMain.h"
#include "platform/System.h"
#include "settings/ProgramState.h"

void DetectWindowsNT() {
    Program().windowsNT = QueryPlatformId() == VER_PLATFORM_WIN32_NT;
    Program().windows7OrLater = QueryWindows7OrLater();
}

std::optional<int> RunCommandLine() {
    return RunCommand(ParseCommand(ArgumentText(ProcessCommandLine())));
}

void Main(frmMain& mainWindow) {
    DetectWindowsNT();
    if (IsAutomaticStart(ArgumentText(ProcessCommandLine()))) Program().automaticMode = true;
    mainWindow.SetEndsProgram(true);
    mainWindow.Start();
}

int RunMessageLoop(frmMain& mainWindow) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (mainWindow.PreTranslate(msg)) continue;
        if (mainWindow.IsLoaded() && IsDialogMessageA(mainWindow.Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
