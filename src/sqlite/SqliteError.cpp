#include "sqlite/SqliteError.h"

#include <sqlite3.h>

#include "platform/AppError.h"

namespace sqlite {

long ErrorNumber(int resultCode) {
    int primary = resultCode & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) return err::kPermissionDenied;
    return kErrorBase + primary;
}

void Raise(sqlite3* db, int resultCode) {
    long number = ErrorNumber(resultCode);
    if (number == err::kPermissionDenied) throw AppError(number, kErrorSource, "Permission denied");
    throw AppError(number, kErrorSource,
                   db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode));
}

}  // namespace sqlite
