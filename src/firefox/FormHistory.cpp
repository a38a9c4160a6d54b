#include "firefox/FormHistory.h"

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace firefox {

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
    db.Prepare("DELETE FROM main.moz_formhistory WHERE fieldname = ?1")
        .Bind(1, kSearchBarField)
        .Run();
    transaction.Commit();
    chromium::FinishCleaning(db);
}

}  // namespace firefox
