// What every clean of a browser database shares. The database is opened through SQLite as it
// is: a `-journal` or `-wal` file beside it is never touched here, so SQLite rolls a hot
// journal back when it first reads the file. Nothing is changed unless the database passes
// SQLite's quick check; the changes are made in one transaction with secure delete on, so
// that deleted rows are overwritten in the file, and a database in WAL mode is checkpointed
// afterwards so that its `-wal` file keeps none of them either.
#pragma once

#include <string>
#include <vector>

#include "sqlite/Database.h"

namespace chromium {

// Opens an existing database for changing, checks it and turns secure delete on. Raises
// AppError: 70 when another program holds it locked (a running browser), the malformed-
// database error when the check fails, SQLite's own error otherwise.
sqlite::Database OpenForCleaning(const std::string& path);

// After the transaction's commit: copies a WAL database's log into the file and empties it.
void FinishCleaning(sqlite::Database& db);

bool HasTable(sqlite::Database& db, const std::string& table);

// What a find step counts in a database, with the same conditions its clean deletes by:
// rows per table (only tables with rows), and the history's pages and visits.
struct TableCount {
    std::string table;
    long long rows = 0;
};
struct DatabaseCounts {
    long long pages = 0;      // pages that go
    long long visits = 0;     // visits that go
    long long pagesKept = 0;  // bookmarked pages that stay
    std::vector<TableCount> tables;
};

// Opens a database for counting only: `mode` Unchanged for a file read where it lies (no lock,
// no file beside it), ReadOnly for a scratch copy whose WAL must be read.
sqlite::Database OpenForCounting(const std::string& path, sqlite::OpenMode mode);

// "SELECT count(*) FROM main.<table>" + " WHERE <condition>" when there is one.
long long CountRows(sqlite::Database& db, const std::string& table, const std::string& condition);

// Creates the temporary table `name` with one column, `value`, holding each of `values` once,
// for statements that keep the rows whose text it lists. Temporary tables live in memory and
// go with the connection.
void CreateTempList(sqlite::Database& db, const std::string& name,
                    const std::vector<std::string>& values);

// A table or column name quoted for SQL.
std::string QuotedName(const std::string& name);

}  // namespace chromium
