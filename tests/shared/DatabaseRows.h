// What a test reads back from an SQLite database: a query's rows, each row's columns joined by
// "|", and a table's row count. Opened for reading only, so reading changes nothing.
#pragma once

#include <string>
#include <vector>

#include "sqlite/Database.h"

inline std::vector<std::string> Rows(const std::string& database, const std::string& sql) {
    sqlite::Database db(database, sqlite::OpenMode::ReadOnly);
    sqlite::Statement query = db.Prepare(sql);
    std::vector<std::string> rows;
    while (query.Step()) {
        std::string row;
        for (int c = 0; c < query.ColumnCount(); ++c) {
            if (c > 0) row += '|';
            row += query.ColumnText(c);
        }
        rows.push_back(row);
    }
    return rows;
}

inline long long Count(const std::string& database, const std::string& table) {
    return std::stoll(Rows(database, "SELECT count(*) FROM " + table).at(0));
}
