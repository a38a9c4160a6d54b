#include "chromium/DatabaseCleaning.h"

#include <algorithm>

#include "chromium/ChromiumError.h"

namespace chromium {

sqlite::Database OpenForCleaning(const std::string& path) {
    sqlite::Database db(path, sqlite::OpenMode::ReadWrite);
    // A page cache of up to 64 MiB keeps the pages the check reads for the changes that
    // follow, instead of reading them from the file a second time.
    db.Execute("PRAGMA cache_size = -65536");
    if (db.QueryText("PRAGMA quick_check") != "ok") RaiseCorrupt();
    db.Execute("PRAGMA secure_delete = ON; PRAGMA temp_store = MEMORY");
    return db;
}

void FinishCleaning(sqlite::Database& db) {
    if (db.QueryText("PRAGMA journal_mode") != "wal") return;
    sqlite::Statement checkpoint = db.Prepare("PRAGMA wal_checkpoint(TRUNCATE)");
    // The first column says whether the checkpoint was blocked by another connection.
    if (checkpoint.Step() && checkpoint.ColumnInt64(0) != 0)
        throw AppError(err::kPermissionDenied, sqlite::kErrorSource, "Permission denied");
}

bool HasTable(sqlite::Database& db, const std::string& table) {
    std::vector<std::string> tables = db.TableNames();
    return std::find(tables.begin(), tables.end(), table) != tables.end();
}

sqlite::Database OpenForCounting(const std::string& path, sqlite::OpenMode mode) {
    // Each table is read once, so SQLite's default page cache serves: a larger one only costs
    // the allocation of its pages.
    sqlite::Database db(path, mode);
    db.Execute("PRAGMA temp_store = MEMORY");
    return db;
}

long long CountRows(sqlite::Database& db, const std::string& table, const std::string& condition) {
    std::string sql = "SELECT count(*) FROM main." + QuotedName(table);
    if (!condition.empty()) sql += " WHERE " + condition;
    sqlite::Statement count = db.Prepare(sql);
    return count.Step() ? count.ColumnInt64(0) : 0;
}

void CreateTempList(sqlite::Database& db, const std::string& name,
                    const std::vector<std::string>& values) {
    const std::string table = "temp." + QuotedName(name);
    db.Execute("CREATE TEMP TABLE " + QuotedName(name) + " (value TEXT PRIMARY KEY)");
    sqlite::Statement insert = db.Prepare("INSERT OR IGNORE INTO " + table + " VALUES (?1)");
    for (const std::string& value : values) {
        insert.Bind(1, value).Run();
        insert.Reset();
    }
}

std::string QuotedName(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

}  // namespace chromium
