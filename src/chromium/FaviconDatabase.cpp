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

DatabaseCounts CountFaviconDatabase(const std::string& path, sqlite::OpenMode mode,
                                    const std::vector<std::string>& bookmarkedUrls) {
    sqlite::Database db = OpenForCounting(path, mode);
    DatabaseCounts counts;
    if (!HasTable(db, "icon_mapping")) return counts;
    CreateTempList(db, "kept_urls", bookmarkedUrls);
    // "main.icon_mapping WHERE" in a later step means the mappings that remain: those the
    // first step does not select.
    const std::string remaining =
        std::string("main.icon_mapping WHERE NOT (") + kFaviconSteps[0].where + ") AND";
    for (const FaviconStep& step : kFaviconSteps) {
        if (!HasTable(db, step.table)) continue;
        std::string where = step.where;
        if (&step != &kFaviconSteps[0]) {
            const std::string mappings = "main.icon_mapping WHERE";
            where.replace(where.find(mappings), mappings.size(), remaining);
        }
        const long long rows = CountRows(db, step.table, where);
        if (rows != 0) counts.tables.push_back({step.table, rows});
    }
    return counts;
}

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
