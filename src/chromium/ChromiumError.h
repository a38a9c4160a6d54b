// The errors of the browser-data cleaning beyond SQLite's own: a database that fails its
// integrity check (raised with SQLite's number and text for a malformed database, before
// anything is changed) and a JSON file that cannot be read.
#pragma once

#include <string>

#include "platform/AppError.h"
#include "sqlite/SqliteError.h"

namespace chromium {

inline constexpr long kCorruptDatabase = sqlite::kErrorBase + 11;
inline constexpr long kUnreadableFile = sqlite::kErrorBase + 200;

[[noreturn]] inline void RaiseCorrupt() {
    throw AppError(kCorruptDatabase, sqlite::kErrorSource, "database disk image is malformed");
}

[[noreturn]] inline void RaiseUnreadable(const std::string& fileName) {
    throw AppError(kUnreadableFile, "Browser", "The file " + fileName + " cannot be read");
}

}  // namespace chromium
