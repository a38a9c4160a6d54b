// How a find step reads a browser database without changing, creating or locking any file
// beside it: a database without a `-wal` file is read where it lies with nothing else open on
// it (sqlite::OpenMode::Unchanged); one with a `-wal` file is copied with it to a scratch
// folder of our own outside every folder an item cleans, read there, and the copy removed.
#pragma once

#include <cstdint>
#include <string>

#include "chromium/DatabaseCleaning.h"
#include "clean/Findings.h"
#include "files/ScratchCopy.h"
#include "sqlite/Database.h"

bool HasWriteAheadLog(const std::string& path);

// Runs `count(path, mode)` on the database as it is now.
template <typename Count>
auto CountDatabase(const std::string& path, Count count) {
    if (!HasWriteAheadLog(path)) return count(path, sqlite::OpenMode::Unchanged);
    const ScratchFolder scratch;
    return count(CopyWithLog(path, scratch), sqlite::OpenMode::ReadOnly);
}

// The counts in the findings, with one detail line per table ("History: visits 12,944") and
// one for the bookmarked pages kept. `label` names the database.
void AddCounts(const std::string& label, const chromium::DatabaseCounts& counts,
               Findings& findings);
