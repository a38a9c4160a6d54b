# Start-up, the command line, the main window, the progress window and the tray icon.
# WinMain.cpp is Brisvane.exe's own.
brisvane_layer(app DEPENDS clean
    PORTABLE CommandLine.cpp
    WINDOWS Commands.cpp ListViews.cpp Main.cpp LinkLabels.cpp OptionBoxes.cpp cSysTray.cpp
            frmMain.cpp frmMainBrowsers.cpp frmMainLinks.cpp frmMainOptions.cpp frmMainPages.cpp
            frmMainTray.cpp frmPreview.cpp frmProgress.cpp)
