# Default-browser detection, the Netscape/Mozilla profiles and the browsers of the "Other
# Browsers" page (the Chromium family and Firefox).
brisvane_layer(browser DEPENDS settings chromium firefox
    PORTABLE BrowserProgIds.cpp BrowserText.cpp ProfileFolder.cpp ProfileScan.cpp
    WINDOWS BrowserDetection.cpp ChromiumBrowsers.cpp FirefoxProfiles.cpp NetscapeProfiles.cpp
            OtherBrowsers.cpp)
