#include "firefox/PlacesDatabase.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace firefox {

namespace {

// One deletion, run when its table is in the database: the rows meeting `condition` (every row
// when it is empty). The find step counts with the same condition.
struct Step {
    const char* table;
    const char* condition;
};

// In this order: the visits and what records them, then the pages nothing refers to, then
// the rows that belonged to those pages (Firefox's foreign keys would cascade to them, but
// only on its own connections). A place row with `foreign_count` above 0 is bookmarked or
// has a keyword: its bookmark and keyword rows count it, so it stays. The conditions name the
// pages that stay, so that they give the same rows before the pages go as after.
#define BRISVANE_KEPT_PLACES "(SELECT id FROM main.moz_places WHERE foreign_count <> 0)"
const Step kSteps[] = {
    {"moz_historyvisits", ""},
    // Sync's record of each visit.
    {"moz_historyvisits_extra", ""},
    // What was typed in the address bar to reach a page.
    {"moz_inputhistory", ""},
    // Per page view: when, how long, from which page, after which search.
    {"moz_places_metadata", ""},
    // The search terms that page views came from.
    {"moz_places_metadata_search_queries", ""},
    {"moz_places", "foreign_count = 0"},
    {"moz_annos", "place_id NOT IN " BRISVANE_KEPT_PLACES},
    // Sync's record of each page.
    {"moz_places_extra", "place_id NOT IN " BRISVANE_KEPT_PLACES},
    // Clicks on the new tab page's shortcuts to a page.
    {"moz_newtab_shortcuts_interaction", "place_id NOT IN " BRISVANE_KEPT_PLACES},
    // The sites (scheme and host) of pages; one no page that stays refers to goes.
    {"moz_origins",
     "id NOT IN (SELECT origin_id FROM main.moz_places"
     " WHERE origin_id IS NOT NULL AND foreign_count <> 0)"},
};
#undef BRISVANE_KEPT_PLACES

std::string DeleteSql(const Step& step) {
    std::string sql = "DELETE FROM main." + chromium::QuotedName(step.table);
    if (*step.condition != '\0') sql += std::string(" WHERE ") + step.condition;
    return sql;
}

// A column of the rows that stay and the value it gets, set when the column exists.
struct Reset {
    const char* column;
    const char* value;
};

// The pages that stay are left as Firefox has a bookmarked page that was never visited (its
// default bookmarks on a new profile): no visits, not typed, no last visit, frecency 1 (0 for
// "place:" queries, as Firefox's own insert gives them), and flagged for Firefox to compute
// frecency again (`recalc_frecency`, and the alternative frecency's pair), as its own clearing
// of history flags them; the old value, which came from the visits, does not stay.
const Reset kPlaceResets[] = {
    {"visit_count", "0"},
    {"typed", "0"},
    {"last_visit_date", "NULL"},
    {"frecency", "CASE WHEN url BETWEEN 'place:' AND 'place:' || X'FFFF' THEN 0 ELSE 1 END"},
    {"recalc_frecency", "1"},
    {"alt_frecency", "NULL"},
    {"recalc_alt_frecency", "1"},
};
// A site's frecency sums its pages': flagged to be computed again the same way.
const Reset kOriginResets[] = {
    {"recalc_frecency", "1"},
    {"recalc_alt_frecency", "1"},
};

std::vector<std::string> Columns(sqlite::Database& db, const std::string& table) {
    sqlite::Statement query = db.Prepare("SELECT name FROM pragma_table_info(?1, 'main')");
    query.Bind(1, table);
    std::vector<std::string> columns;
    while (query.Step()) columns.push_back(query.ColumnText(0));
    return columns;
}

// One UPDATE of every row for the resets whose column the table has.
template <std::size_t N>
void ResetColumns(sqlite::Database& db, const std::string& table, const Reset (&resets)[N]) {
    std::vector<std::string> columns = Columns(db, table);
    std::string assignments;
    for (const Reset& reset : resets) {
        if (std::find(columns.begin(), columns.end(), reset.column) == columns.end()) continue;
        if (!assignments.empty()) assignments += ", ";
        assignments += chromium::QuotedName(reset.column) + " = " + reset.value;
    }
    if (!assignments.empty())
        db.Execute("UPDATE main." + chromium::QuotedName(table) + " SET " + assignments);
}

}  // namespace

chromium::DatabaseCounts CountPlacesDatabase(const std::string& path, sqlite::OpenMode mode) {
    sqlite::Database db = chromium::OpenForCounting(path, mode);
    std::vector<std::string> tables = db.TableNames();
    chromium::DatabaseCounts counts;
    if (std::find(tables.begin(), tables.end(), "moz_places") == tables.end()) return counts;
    for (const Step& step : kSteps) {
        if (std::find(tables.begin(), tables.end(), step.table) == tables.end()) continue;
        const long long rows = chromium::CountRows(db, step.table, step.condition);
        if (std::string_view(step.table) == "moz_historyvisits") counts.visits = rows;
        if (std::string_view(step.table) == "moz_places") counts.pages = rows;
        if (rows != 0) counts.tables.push_back({step.table, rows});
    }
    counts.pagesKept = chromium::CountRows(db, "moz_places", "foreign_count <> 0");
    return counts;
}

void CleanPlacesDatabase(const std::string& path) {
    sqlite::Database db = chromium::OpenForCleaning(path);
    std::vector<std::string> tables = db.TableNames();
    auto has = [&](const std::string& table) {
        return std::find(tables.begin(), tables.end(), table) != tables.end();
    };
    // Without its pages table the database holds no history of pages.
    if (!has("moz_places")) return;
    sqlite::Transaction transaction(db);
    for (const Step& step : kSteps) {
        if (has(step.table)) db.Execute(DeleteSql(step));
    }
    ResetColumns(db, "moz_places", kPlaceResets);
    if (has("moz_origins")) ResetColumns(db, "moz_origins", kOriginResets);
    transaction.Commit();
    chromium::FinishCleaning(db);
}

}  // namespace firefox
