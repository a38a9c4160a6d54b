list(APPEND BRISVANE_PORTABLE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FlagText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PasswordHash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegistryData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Variant.cpp
)
list(APPEND BRISVANE_WINDOWS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cRegistry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cRegistryAssociations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmLogon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmPassword.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Password.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegKey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.cpp
)
