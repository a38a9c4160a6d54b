// Lines and names of the cleaning report: the START and END lines of a run and the report
// file's name. Dates use the locale's three-letter month abbreviation, passed in by the caller.
#pragma once

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
