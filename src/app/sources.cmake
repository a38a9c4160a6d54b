list(APPEND BRISVANE_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
)
list(APPEND BRISVANE_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinkLabels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionBoxes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cSysTray.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainLinks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainOptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainPages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMainTray.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmProgress.cpp
)
