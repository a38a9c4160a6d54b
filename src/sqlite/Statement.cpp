#include "sqlite/Statement.h"

#include <sqlite3.h>

#include <utility>

#include "sqlite/SqliteError.h"

namespace sqlite {

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    int rc =
        sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size() + 1), &stmt_, nullptr);
    if (rc != SQLITE_OK) Raise(db_, rc);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

void Statement::Check(int resultCode) const {
    if (resultCode != SQLITE_OK) Raise(db_, resultCode);
}

Statement& Statement::Bind(int index, std::int64_t value) {
    Check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::Bind(int index, const std::string& text) {
    Check(
        sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

Statement& Statement::BindNull(int index) {
    Check(sqlite3_bind_null(stmt_, index));
    return *this;
}

bool Statement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Raise(db_, rc);
}

void Statement::Run() {
    while (Step()) {
    }
}

void Statement::Reset() { Check(sqlite3_reset(stmt_)); }

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t Statement::ColumnInt64(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::ColumnText(int column) const {
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    if (text == nullptr) return std::string();
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

}  // namespace sqlite
