list(APPEND BRISVANE_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CleanItems.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LocalStoreFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportText.cpp
)
list(APPEND BRISVANE_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CleanInternetHistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanRoutines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanShellHistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanTempFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CleanTempInternetFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EmptyRecycleBin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunClean.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteReport.cpp
)
