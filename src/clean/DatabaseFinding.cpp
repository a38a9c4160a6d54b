#include "clean/DatabaseFinding.h"

#include "files/FileSystem.h"
#include "platform/NumberText.h"

bool HasWriteAheadLog(const std::string& path) {
    const std::string log = path + "-wal";
    return FileExists(log) && GetFile(log).Size() != 0;
}

void AddCounts(const std::string& label, const chromium::DatabaseCounts& counts,
               Findings& findings) {
    findings.pages += static_cast<std::uint64_t>(counts.pages);
    findings.visits += static_cast<std::uint64_t>(counts.visits);
    findings.pagesKept += static_cast<std::uint64_t>(counts.pagesKept);
    for (const chromium::TableCount& table : counts.tables) {
        const bool shown = table.table == "visits" || table.table == "urls" ||
                           table.table == "moz_places" || table.table == "moz_historyvisits";
        if (!shown) findings.rows += static_cast<std::uint64_t>(table.rows);
        findings.AddLine(label + ": " + table.table + " " +
                         CountText(static_cast<std::uint64_t>(table.rows)));
    }
    if (counts.pagesKept != 0) {
        findings.AddKept(
            label + ": " + CountText(static_cast<std::uint64_t>(counts.pagesKept)) + " pages",
            "bookmarked");
    }
}
