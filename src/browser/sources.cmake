# Default-browser detection and the Netscape/Mozilla profiles.
brisvane_layer(browser DEPENDS settings
    PORTABLE BrowserText.cpp ProfileFolder.cpp ProfileScan.cpp
    WINDOWS BrowserDetection.cpp NetscapeProfiles.cpp)
