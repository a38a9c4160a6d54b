// A connection to one SQLite database file, closed when the object goes. File names are UTF-8
// (on Windows SQLite opens them through the wide-character calls). Opening never creates a
// file unless asked to, so a missing database is an error rather than a new empty one.
// Failures raise AppError (see SqliteError.h).
#pragma once

#include <string>
#include <vector>

#include "sqlite/Statement.h"

struct sqlite3;

namespace sqlite {

// Unchanged opens a file that nothing else changes while it is open, read only: SQLite then
// takes no lock and creates no file beside it (it also reads no `-wal` file).
enum class OpenMode { ReadOnly, ReadWrite, Create, Unchanged };

class Database {
  public:
    Database(const std::string& path, OpenMode mode);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one or more statements that return nothing the caller needs.
    void Execute(const std::string& sql);
    Statement Prepare(const std::string& sql);
    // The first column of the first row of a query; "" when it gives no row or NULL.
    std::string QueryText(const std::string& sql);
    // The names of the tables of the main database (not its indexes or views).
    std::vector<std::string> TableNames();
    // Rows changed by the last INSERT, UPDATE or DELETE.
    long long Changes() const;

  private:
    void Close() noexcept;
    sqlite3* db_ = nullptr;
};

}  // namespace sqlite
