#include "chromium/FaviconDatabase.h"

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace chromium {

// An icon used by no remaining mapping is no longer shown for any page; "IS NOT NULL" keeps a
// mapping without an icon from making NOT IN match nothing.
const FaviconStep kFaviconSteps[3] = {
    {"icon_mapping", "page_url NOT IN (SELECT value FROM temp.kept_urls)"},
    {"favicon_bitmaps",
     "icon_id NOT IN (SELECT icon_id FROM main.icon_mapping WHERE icon_id IS NOT NULL)"},
    {"favicons", "id NOT IN (SELECT icon_id FROM main.icon_mapping WHERE icon_id IS NOT NULL)"},
};

void CleanFaviconDatabase(const std::string& path, const std::vector<std::string>& bookmarkedUrls) {
    sqlite::Database db = OpenForCleaning(path);
    if (!HasTable(db, "icon_mapping")) return;
    sqlite::Transaction transaction(db);
    CreateTempList(db, "kept_urls", bookmarkedUrls);
    for (const FaviconStep& step : kFaviconSteps) {
        if (HasTable(db, step.table))
            db.Execute("DELETE FROM main." + QuotedName(step.table) + " WHERE " + step.where);
    }
    transaction.Commit();
    FinishCleaning(db);
}

}  // namespace chromium
