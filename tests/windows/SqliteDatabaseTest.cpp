#include <windows.h>

#include <gtest/gtest.h>

#include "Sandbox.h"
#include "platform/AppError.h"
#include "sqlite/Database.h"
#include "sqlite/Transaction.h"

namespace {

std::wstring Wide(const std::string& utf8) {
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

}  // namespace

// SQLite's Windows layer takes UTF-8 names and opens them through the wide-character calls, so
// a name outside the ANSI code page names the same file.
TEST(SqliteDatabase, Utf8NamesAndLocksOnWindows) {
    SandboxFolder folder("sqlite");
    const std::string path = folder / "\xc3\x85sa \xe2\x98\x83 History";
    {
        sqlite::Database db(path, sqlite::OpenMode::Create);
        db.Execute("CREATE TABLE urls (url TEXT); INSERT INTO urls VALUES ('http://a.example/')");
    }
    EXPECT_NE(GetFileAttributesW(Wide(path).c_str()), INVALID_FILE_ATTRIBUTES);
    sqlite::Database db(path, sqlite::OpenMode::ReadWrite);
    EXPECT_EQ(db.QueryText("SELECT url FROM urls"), "http://a.example/");

    // A browser holding its database keeps it locked: the next writer is told "in use".
    db.Execute("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE");
    sqlite::Database other(path, sqlite::OpenMode::ReadWrite);
    try {
        sqlite::Transaction transaction(other);
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), err::kPermissionDenied);
        EXPECT_EQ(e.Description(), "Permission denied");
    }
    EXPECT_THROW(sqlite::Database(folder / "missing", sqlite::OpenMode::ReadWrite), AppError);
}
