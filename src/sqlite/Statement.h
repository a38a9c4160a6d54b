// A prepared statement of a Database, finalized when the object goes. Bind indexes are 1-based
// as in SQL ("?1"); column indexes are 0-based.
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace sqlite {

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, const std::string& text);
    Statement& BindNull(int index);
    // Runs the statement to its next row: true when there is one, false when it is done.
    bool Step();
    // Runs it to its end, ignoring any rows.
    void Run();
    // Makes it ready to run again; the bound values stay.
    void Reset();

    int ColumnCount() const;
    bool IsNull(int column) const;
    std::int64_t ColumnInt64(int column) const;
    // The column's text as stored (UTF-8), embedded zero bytes included.
    std::string ColumnText(int column) const;

  private:
    void Check(int resultCode) const;
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace sqlite
