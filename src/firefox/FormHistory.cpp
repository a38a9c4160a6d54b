#include "firefox/FormHistory.h"

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace firefox {

namespace {

constexpr const char* kSearchBarEntries = "fieldname = ?1";

}  // namespace

long long CountFormHistory(const std::string& path, sqlite::OpenMode mode) {
    sqlite::Database db = chromium::OpenForCounting(path, mode);
    if (!chromium::HasTable(db, "moz_formhistory")) return 0;
    sqlite::Statement count = db.Prepare(
        std::string("SELECT count(*) FROM main.moz_formhistory WHERE ") + kSearchBarEntries);
    count.Bind(1, kSearchBarField);
    return count.Step() ? count.ColumnInt64(0) : 0;
}

void CleanFormHistory(const std::string& path) {
    sqlite::Database db = chromium::OpenForCleaning(path);
    if (!chromium::HasTable(db, "moz_formhistory")) return;
    sqlite::Transaction transaction(db);
    // The links first: they are found through the entries.
    if (chromium::HasTable(db, "moz_history_to_sources")) {
        db.Prepare(
              "DELETE FROM main.moz_history_to_sources WHERE history_id IN"
              " (SELECT id FROM main.moz_formhistory WHERE fieldname = ?1)")
            .Bind(1, kSearchBarField)
            .Run();
    }
    db.Prepare(std::string("DELETE FROM main.moz_formhistory WHERE ") + kSearchBarEntries)
        .Bind(1, kSearchBarField)
        .Run();
    transaction.Commit();
    chromium::FinishCleaning(db);
}

}  // namespace firefox
