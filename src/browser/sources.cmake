# Default-browser detection, the Netscape/Mozilla profiles and the Chromium-family browsers.
brisvane_layer(browser DEPENDS settings chromium
    PORTABLE BrowserText.cpp ProfileFolder.cpp ProfileScan.cpp
    WINDOWS BrowserDetection.cpp ChromiumBrowsers.cpp NetscapeProfiles.cpp)
