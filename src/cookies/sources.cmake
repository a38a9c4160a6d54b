# The cookie keep-lists and their windows, and the window of the other browsers' site
# keep-list. The Netscape keep-list lives in the chosen profile's folder, which browser/ finds.
brisvane_layer(cookies DEPENDS browser
    PORTABLE CookieLines.cpp
    WINDOWS BrowserSites.cpp KeepList.cpp ListBoxes.cpp frmCookies.cpp frmSiteOptions.cpp
            frmViewCookie.cpp)
