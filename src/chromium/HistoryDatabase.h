// Cleaning a Chromium-family profile's `History` database: every row of the history tables
// goes, and every `urls` row but those of bookmarked pages, whose visit count, typed count and
// last visit time become 0. A listed table that this version of the browser lacks is
// skipped; a table the list does not name is left alone. See DatabaseCleaning.h for how the
// database is opened, checked and changed.
#pragma once

#include <string>
#include <vector>

#include "chromium/DatabaseCleaning.h"

namespace chromium {

// The tables emptied whole; besides these, every table whose name starts with "clusters".
extern const std::vector<std::string> kHistoryTables;
// The files beside `History` that hold history too, deleted whole by the caller.
extern const std::vector<std::string> kHistorySideFiles;

// What CleanHistoryDatabase would remove: pages (`urls` rows not bookmarked), visits, the
// bookmarked pages kept, and the rows of every table it empties. `mode`: DatabaseCleaning.h.
DatabaseCounts CountHistoryDatabase(const std::string& path, sqlite::OpenMode mode,
                                    const std::vector<std::string>& bookmarkedUrls);

// `bookmarkedUrls` as BookmarkedUrls gives them. Raises AppError (DatabaseCleaning.h); on an
// error nothing of the database has changed.
void CleanHistoryDatabase(const std::string& path, const std::vector<std::string>& bookmarkedUrls);

}  // namespace chromium
