list(APPEND BRISVANE_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CleanItems.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocalStoreFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShutdownText.cpp
)
list(APPEND BRISVANE_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CleanCookies.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanInternetHistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanRoutines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanShellHistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanTempFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanTempInternetFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmptyRecycleBin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InstallShutdownCleaning.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegisterStartUp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunClean.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShutdownFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteReport.cpp
)
