# The thin wrapper over SQLite (database, statement, transaction): the only code that includes
# sqlite3.h.
brisvane_layer(sqlite DEPENDS platform
    PORTABLE Database.cpp SqliteError.cpp Statement.cpp Transaction.cpp)
target_include_directories(brisvane_sqlite PRIVATE ${sqlite_dir})
target_link_libraries(brisvane_sqlite PUBLIC brisvane_sqlite3)
