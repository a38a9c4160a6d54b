#include "sqlite/Database.h"

#include <sqlite3.h>

#include <cctype>
#include <cstring>
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
        case OpenMode::Unchanged:
            return flags | SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
        case OpenMode::Create:
            break;
    }
    return flags | SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

// A "file:" name with every character but letters, digits and "/-._~:" escaped, so that no
// '?', '#' or '%' of the path is read as part of the URI.
std::string ImmutableUri(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:///";
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            uri += '/';
        } else if (std::isalnum(byte) || std::strchr("/-._~:", c) != nullptr) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri + "?immutable=1";
}

}  // namespace

Database::Database(const std::string& path, OpenMode mode) {
    const std::string name = mode == OpenMode::Unchanged ? ImmutableUri(path) : path;
    int rc = sqlite3_open_v2(name.c_str(), &db_, OpenFlags(mode), nullptr);
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
