// Cleaning a Firefox profile's `places.sqlite`, which holds the history and the bookmarks in
// one database: every visit goes, and every page that no bookmark or keyword refers to
// (`foreign_count` 0); the pages that stay lose their visit data. Bookmarks, keywords and
// everything else of the bookmarks stay exactly as they were. A table or column this version
// of Firefox lacks is skipped. See chromium/DatabaseCleaning.h for how the database is
// opened, checked and changed.
#pragma once

#include <string>

#include "chromium/DatabaseCleaning.h"

namespace firefox {

// What CleanPlacesDatabase would remove: pages, visits, the rows of each table, and the
// bookmarked pages that stay. `mode`: chromium/DatabaseCleaning.h.
chromium::DatabaseCounts CountPlacesDatabase(const std::string& path, sqlite::OpenMode mode);

// Raises AppError (chromium/DatabaseCleaning.h); on an error nothing of the database has
// changed.
void CleanPlacesDatabase(const std::string& path);

}  // namespace firefox
