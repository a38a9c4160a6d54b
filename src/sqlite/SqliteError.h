// How a failing SQLite call becomes the program's error: a database that another program holds
// locked is 70 "Permission denied", like a file in use; every other failure is 27000 plus
// SQLite's primary result code, with SQLite's own message as the description.
#pragma once

struct sqlite3;

namespace sqlite {

inline constexpr long kErrorBase = 27000;
inline constexpr const char* kErrorSource = "SQLite";

long ErrorNumber(int resultCode);

// Raises the error of a failed call on `db` (null when there is no connection to ask).
[[noreturn]] void Raise(sqlite3* db, int resultCode);

}  // namespace sqlite
