// Cleaning a Chromium-family profile's `Favicons` database with its history: the icons of the
// pages the history clean deletes go, those of bookmarked pages stay byte for byte. Every
// `icon_mapping` row of a page that is not bookmarked is deleted, then every `favicons` row and
// `favicon_bitmaps` row that no remaining mapping uses. A database without `icon_mapping` has
// no icons of pages and is left alone. See DatabaseCleaning.h for how the database is opened,
// checked and changed.
#pragma once

#include <string>
#include <vector>

#include "chromium/DatabaseCleaning.h"

namespace chromium {

// One table's rows that a clean deletes: those `where` selects, with the kept pages' URLs in
// `temp.kept_urls` (column `value`).
struct FaviconStep {
    const char* table;
    const char* where;
};

// In the order a clean runs them: the mappings first, since they decide which icons are used.
extern const FaviconStep kFaviconSteps[3];

// The rows CleanFaviconDatabase would delete, per table. The later steps' conditions name the
// mappings that remain, so each is counted against the mappings that stay rather than after
// they went. `mode`: DatabaseCleaning.h.
DatabaseCounts CountFaviconDatabase(const std::string& path, sqlite::OpenMode mode,
                                    const std::vector<std::string>& bookmarkedUrls);

// `bookmarkedUrls` as BookmarkedUrls gives them. Raises AppError (DatabaseCleaning.h); on an
// error nothing of the database has changed.
void CleanFaviconDatabase(const std::string& path, const std::vector<std::string>& bookmarkedUrls);

}  // namespace chromium
