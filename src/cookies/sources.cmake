# The cookie keep-lists and their windows. The Netscape keep-list lives in the chosen
# profile's folder, which browser/ finds.
brisvane_layer(cookies DEPENDS browser
    PORTABLE CookieLines.cpp
    WINDOWS KeepList.cpp frmCookies.cpp frmViewCookie.cpp)
