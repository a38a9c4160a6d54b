// A Firefox profile's `formhistory.sqlite`: the search bar's entries (field name
// "searchbar-history") go, with their rows in the table that links entries to the sources
// they came from; every other entry stays. A table this version lacks is skipped.
#pragma once

#include <string>

#include "sqlite/Database.h"

namespace firefox {

inline constexpr const char* kSearchBarField = "searchbar-history";

// The search bar's entries that CleanFormHistory would remove. `mode`: DatabaseCleaning.h.
long long CountFormHistory(const std::string& path, sqlite::OpenMode mode);

// Raises AppError as chromium/DatabaseCleaning.h says; on an error nothing has changed.
void CleanFormHistory(const std::string& path);

}  // namespace firefox
