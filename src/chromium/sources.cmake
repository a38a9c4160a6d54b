# What the Chromium-family browsers keep: profiles, bookmarks, the site keep rule and the
# cleaning of their History, Favicons and Cookies databases. Portable: no Windows call.
brisvane_layer(chromium DEPENDS sqlite
    PORTABLE Bookmarks.cpp CookieDatabase.cpp DatabaseCleaning.cpp FaviconDatabase.cpp
             HistoryDatabase.cpp Profiles.cpp SiteKeepList.cpp)
target_include_directories(brisvane_chromium SYSTEM PRIVATE ${BRISVANE_JSON_INCLUDE_DIR})
