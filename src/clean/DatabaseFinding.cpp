#include "clean/DatabaseFinding.h"

#include <windows.h>

#include "files/FileBytes.h"
#include "files/FileSystem.h"
#include "platform/NumberText.h"
#include "platform/System.h"

ScratchFolder::ScratchFolder()
    : path_(LocalAppDataFolder() + "\\Brisvane-find-" + std::to_string(GetCurrentProcessId()) +
            "-" + std::to_string(GetTickCount64())) {
    CreateFolder(path_);
}

ScratchFolder::~ScratchFolder() {
    try {
        RemoveFolder(path_, true);
    } catch (const std::exception&) {
        // A copy that cannot be removed stays in our own folder; nothing of the user's changed.
    }
}

bool HasWriteAheadLog(const std::string& path) {
    const std::string log = path + "-wal";
    return FileExists(log) && GetFile(log).Size() != 0;
}

std::string CopyWithLog(const std::string& path, const ScratchFolder& scratch) {
    const std::string copy = scratch.Path() + "\\database";
    for (const char* side : {"", "-wal"}) {
        ReplaceFileText(copy + side, ReadFileBytes(path + side));
    }
    return copy;
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
