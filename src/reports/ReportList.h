// How the reports window names and picks report files.
#pragma once

#include <string>

// The list entry of a file: its name without the last four characters (".txt" for a report).
// A name too short to shorten is listed whole.
std::string ReportEntryName(const std::string& fileName);

// "Delete All" removes the files whose name ends in "txt" (case-sensitive).
bool IsDeletedByDeleteAll(const std::string& fileName);
