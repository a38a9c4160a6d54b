# What Firefox keeps: the cleaning of its places (history and bookmarks), icons, form history and
# cookie databases. Portable: no Windows call. It shares the database cleaning and the site
# keep-list of the chromium layer.
brisvane_layer(firefox DEPENDS chromium
    PORTABLE CookieDatabase.cpp FaviconsDatabase.cpp FormHistory.cpp PlacesDatabase.cpp)
