#include "firefox/PlacesDatabase.h"

#include <algorithm>
#include <vector>

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace firefox {

namespace {

// One statement, run when its table is in the database.
struct Step {
    const char* table;
    const char* sql;
};

// In this order: the visits and what records them, then the pages nothing refers to, then
// the rows that belonged to those pages (Firefox's foreign keys would cascade to them, but
// only on its own connections). A place row with `foreign_count` above 0 is bookmarked or
// has a keyword: its bookmark and keyword rows count it, so it stays.
const Step kSteps[] = {
    {"moz_historyvisits", "DELETE FROM main.moz_historyvisits"},
    // Sync's record of each visit.
    {"moz_historyvisits_extra", "DELETE FROM main.moz_historyvisits_extra"},
    // What was typed in the address bar to reach a page.
    {"moz_inputhistory", "DELETE FROM main.moz_inputhistory"},
    // Per page view: when, how long, from which page, after which search.
    {"moz_places_metadata", "DELETE FROM main.moz_places_metadata"},
    // The search terms that page views came from.
    {"moz_places_metadata_search_queries", "DELETE FROM main.moz_places_metadata_search_queries"},
    {"moz_places", "DELETE FROM main.moz_places WHERE foreign_count = 0"},
    {"moz_annos",
     "DELETE FROM main.moz_annos WHERE place_id NOT IN (SELECT id FROM main.moz_places)"},
    // Sync's record of each page.
    {"moz_places_extra",
     "DELETE FROM main.moz_places_extra WHERE place_id NOT IN (SELECT id FROM main.moz_places)"},
    // Clicks on the new tab page's shortcuts to a page.
    {"moz_newtab_shortcuts_interaction",
     "DELETE FROM main.moz_newtab_shortcuts_interaction"
     " WHERE place_id NOT IN (SELECT id FROM main.moz_places)"},
    // The sites (scheme and host) of pages; one no page refers to any more goes.
    {"moz_origins",
     "DELETE FROM main.moz_origins WHERE id NOT IN"
     " (SELECT origin_id FROM main.moz_places WHERE origin_id IS NOT NULL)"},
};

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
        if (has(step.table)) db.Execute(step.sql);
    }
    ResetColumns(db, "moz_places", kPlaceResets);
    if (has("moz_origins")) ResetColumns(db, "moz_origins", kOriginResets);
    transaction.Commit();
    chromium::FinishCleaning(db);
}

}  // namespace firefox
