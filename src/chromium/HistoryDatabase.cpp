#include "chromium/HistoryDatabase.h"

#include <algorithm>

#include "chromium/DatabaseCleaning.h"
#include "sqlite/Transaction.h"

namespace chromium {

const std::vector<std::string> kHistoryTables = {
    "visits",
    "visit_source",
    "keyword_search_terms",
    "segments",
    "segment_usage",
    "downloads",
    "downloads_url_chains",
    "downloads_slices",
    "visited_links",
    "content_annotations",
    "context_annotations",
    "clusters",
    "clusters_and_visits",
    "cluster_keywords",
    "cluster_visit_duplicates",
};

const std::vector<std::string> kHistorySideFiles = {
    "Visited Links",
    "Top Sites",
    "History Provider Cache",
    "Shortcuts",
    "Network Action Predictor",
    "Archived History",
};

namespace {

bool IsHistoryTable(const std::string& table) {
    return std::find(kHistoryTables.begin(), kHistoryTables.end(), table) != kHistoryTables.end() ||
           table.rfind("clusters", 0) == 0;
}

// The `urls` rows that go: pages not bookmarked.
constexpr const char* kUnkeptUrls = "url NOT IN (SELECT value FROM temp.kept_urls)";
constexpr const char* kKeptUrls = "url IN (SELECT value FROM temp.kept_urls)";

// Deletes the `urls` rows of pages not bookmarked and clears the visit data of the others.
void KeepBookmarkedUrls(sqlite::Database& db, const std::vector<std::string>& bookmarkedUrls) {
    CreateTempList(db, "kept_urls", bookmarkedUrls);
    db.Execute(std::string("DELETE FROM main.urls WHERE ") + kUnkeptUrls +
               ";"
               "UPDATE main.urls SET visit_count = 0, typed_count = 0, last_visit_time = 0;"
               "DROP TABLE temp.kept_urls");
}

}  // namespace

DatabaseCounts CountHistoryDatabase(const std::string& path, sqlite::OpenMode mode,
                                    const std::vector<std::string>& bookmarkedUrls) {
    sqlite::Database db = OpenForCounting(path, mode);
    DatabaseCounts counts;
    std::vector<std::string> tables = db.TableNames();
    for (const std::string& table : tables) {
        if (!IsHistoryTable(table)) continue;
        const long long rows = CountRows(db, table, "");
        if (table == "visits") counts.visits = rows;
        if (rows != 0) counts.tables.push_back({table, rows});
    }
    if (std::find(tables.begin(), tables.end(), "urls") != tables.end()) {
        CreateTempList(db, "kept_urls", bookmarkedUrls);
        counts.pages = CountRows(db, "urls", kUnkeptUrls);
        counts.pagesKept = CountRows(db, "urls", kKeptUrls);
        if (counts.pages != 0) counts.tables.push_back({"urls", counts.pages});
    }
    return counts;
}

void CleanHistoryDatabase(const std::string& path, const std::vector<std::string>& bookmarkedUrls) {
    sqlite::Database db = OpenForCleaning(path);
    std::vector<std::string> tables = db.TableNames();
    sqlite::Transaction transaction(db);
    for (const std::string& table : tables) {
        if (IsHistoryTable(table)) db.Execute("DELETE FROM main." + QuotedName(table));
    }
    if (std::find(tables.begin(), tables.end(), "urls") != tables.end())
        KeepBookmarkedUrls(db, bookmarkedUrls);
    transaction.Commit();
    FinishCleaning(db);
}

}  // namespace chromium
