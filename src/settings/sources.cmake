# cRegistry, cSettings and the settings store, the password procedures and their windows.
brisvane_layer(settings DEPENDS files
    PORTABLE FlagText.cpp PasswordHash.cpp ProgramState.cpp RegistryData.cpp Variant.cpp
    WINDOWS BrowserSettings.cpp cRegistry.cpp cRegistryAssociations.cpp frmLogon.cpp frmPassword.cpp Password.cpp
            Policies.cpp RegKey.cpp SettingsStore.cpp)
