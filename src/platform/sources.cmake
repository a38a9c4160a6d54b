# The only code that calls Win32 directly besides the windows: registry API, system and UI
# services, the dialog base. The generated version header and the system libraries come with
# it to every layer.
brisvane_layer(platform
    WINDOWS Crypto.cpp Dialog.cpp NumberText.cpp RegistryApi.cpp System.cpp UiServices.cpp
    INCLUDES ${CMAKE_BINARY_DIR}/generated
    LIBRARIES ${BRISVANE_SYSTEM_LIBRARIES})
