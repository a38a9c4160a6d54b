// Lines and names of the cleaning report: the START and END lines of a run and the report
// file's name. Dates use the locale's three-letter month abbreviation, passed in by the caller.
#pragma once

#include <functional>
#include <string>

#include "platform/ClockTime.h"

inline constexpr const char* kCrLf = "\r\n";

// "dd-mmm-yyyy", for example 07-Dec-2026.
std::string FormatReportDate(const ClockTime& date, const std::string& monthAbbreviation);

// "hh:mm:ss" on the 24-hour clock.
std::string FormatReportTime(const ClockTime& time);

// "START OF CLEANING REPORT: <date> <time>" CR LF.
std::string ReportStartLine(const std::string& date, const std::string& time);

// "END OF CLEANING REPORT: <date> <time>" CR LF CR LF.
std::string ReportEndLine(const std::string& date, const std::string& time);

// "CleanReport" + ddmmyyyy + "_" + hhmmss + ".txt", date and time from two clock readings.
std::string ReportFileName(const ClockTime& date, const ClockTime& time);

// The lines a cleaning routine appends to the report text, each ended by CR LF.
std::string ReportLine(const std::string& text);
// "File: <name> could not be deleted - File is in use"
std::string FileInUseLine(const std::string& fileName);
// "Folder: <name> could not be deleted - File within Folder are in use"
std::string FolderInUseLine(const std::string& folderName);
// "Folder: <name> could not be deleted - File within Folder is in use", the cache walk's wording
std::string CacheFolderInUseLine(const std::string& folderName);
// "Error: <description>"
std::string ErrorLine(const std::string& description);
inline constexpr const char* kCompleted = "Completed";

// What a failure inside a report block leaves in the report.
enum class FailureRule {
    kCompletedAnyway,  // nothing: the failure is passed over and the block ends "Completed"
    kErrorLine,        // "Error: <description>" ends the block
    kSilent,           // the block ends there, without "Completed"
};

// One routine's block: the title line, then `body`, which appends its own lines and returns
// true when the item was cleaned in full, then "Completed" when it was. A failure (any
// exception) leaves what `rule` says and never reaches the caller.
void WriteReportBlock(std::string& report, const std::string& title, FailureRule rule,
                      const std::function<bool()>& body);

// The same without the title line: a part of a block that records its own failures.
void ReportFailures(std::string& report, FailureRule rule, const std::function<bool()>& body);
