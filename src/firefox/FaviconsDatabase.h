// Cleaning a Firefox profile's `favicons.sqlite` with its history: the icons of the pages that
// remain in `places.sqlite` stay byte for byte, the others go. Every `moz_pages_w_icons` row
// whose URL is not a remaining place's goes with its `moz_icons_to_pages` rows; then every
// `moz_icons` row that no remaining page uses, except a site icon (`root` 1, the site's
// favicon.ico, which Firefox finds by the page's host rather than through a mapping) of a host
// that a remaining place has. A database without these tables is left alone. See
// chromium/DatabaseCleaning.h for how the database is opened, checked and changed.
#pragma once

#include <string>
#include <vector>

namespace firefox {

// The URL of every place in the `places.sqlite` at `path`: after its clean, the pages that
// remain.
std::vector<std::string> PlaceUrls(const std::string& path);

// The host of a URL as site icons are matched to pages: lower case, with its port, without a
// user name or a leading "www.". "" for a URL without a host.
std::string SiteIconHost(const std::string& url);

// Raises AppError (chromium/DatabaseCleaning.h); on an error nothing of the database has
// changed.
void CleanFaviconsDatabase(const std::string& path, const std::vector<std::string>& placeUrls);

}  // namespace firefox
