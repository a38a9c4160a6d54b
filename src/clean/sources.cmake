# RunClean, the table of clean items with their find and clean steps, the preview, the report
# writer, the log-on and shut-down set-up.
brisvane_layer(clean DEPENDS browser cookies reports
    PORTABLE CleanItems.cpp CleanRun.cpp Findings.cpp FoundItem.cpp LocalStoreFilter.cpp
             ReportText.cpp ShutdownText.cpp
    WINDOWS ChromiumParts.cpp CleanCookies.cpp CleanExplorerHistory.cpp CleanInternetHistory.cpp
            CleanOtherBrowsers.cpp CleanRoutines.cpp CleanShellHistory.cpp CleanTempFiles.cpp
            CleanTempInternetFiles.cpp DatabaseFinding.cpp EmptyRecycleBin.cpp FirefoxParts.cpp
            FoundFiles.cpp FoundRegistry.cpp InstallShutdownCleaning.cpp ProfileParts.cpp
            RegisterStartUp.cpp RegistryTraces.cpp RunClean.cpp ShutdownFiles.cpp WriteReport.cpp)
