#include "sqlite/Database.h"

#include <sqlite3.h>

#include <utility>

#include "sqlite/SqliteError.h"

namespace sqlite {

namespace {

int OpenFlags(OpenMode mode) {
    int flags = SQLITE_OPEN_EXRESCODE;
    switch (mode) {
        case OpenMode::ReadOnly:
            return flags | SQLITE_OPEN_READONLY;
        case OpenMode::ReadWrite:
            return flags | SQLITE_OPEN_READWRITE;
        case OpenMode::Create:
            break;
    }
    return flags | SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

}  // namespace

Database::Database(const std::string& path, OpenMode mode) {
    int rc = sqlite3_open_v2(path.c_str(), &db_, OpenFlags(mode), nullptr);
    if (rc != SQLITE_OK) {
        sqlite3* failed = std::exchange(db_, nullptr);
        try {
            Raise(failed, rc);
        } catch (...) {
            sqlite3_close_v2(failed);
            throw;
        }
    }
}

Database::~Database() { Close(); }

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

void Database::Close() noexcept {
    // Every statement of this connection is finalized by its own object first, so closing
    // cannot be refused for statements left open.
    if (db_ != nullptr) sqlite3_close_v2(std::exchange(db_, nullptr));
}

void Database::Execute(const std::string& sql) {
    int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) Raise(db_, rc);
}

Statement Database::Prepare(const std::string& sql) { return Statement(db_, sql); }

std::string Database::QueryText(const std::string& sql) {
    Statement query = Prepare(sql);
    return query.Step() ? query.ColumnText(0) : std::string();
}

std::vector<std::string> Database::TableNames() {
    Statement query = Prepare("SELECT name FROM main.sqlite_schema WHERE type = 'table'");
    std::vector<std::string> names;
    while (query.Step()) names.push_back(query.ColumnText(0));
    return names;
}

long long Database::Changes() const { return sqlite3_changes64(db_); }

}  // namespace sqlite
