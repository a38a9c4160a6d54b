#include "clean/ReportText.h"

#include <cstdio>
#include <stdexcept>

namespace {

std::string TwoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

std::string FourDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", n);
    return buffer;
}

}  // namespace

std::string FormatReportDate(const ClockTime& date, const std::string& monthAbbreviation) {
    return TwoDigits(date.day) + "-" + monthAbbreviation + "-" + FourDigits(date.year);
}

std::string FormatReportTime(const ClockTime& time) {
    return TwoDigits(time.hour) + ":" + TwoDigits(time.minute) + ":" + TwoDigits(time.second);
}

std::string ReportStartLine(const std::string& date, const std::string& time) {
    return "START OF CLEANING REPORT: " + date + " " + time + kCrLf;
}

std::string ReportEndLine(const std::string& date, const std::string& time) {
    return "END OF CLEANING REPORT: " + date + " " + time + kCrLf + kCrLf;
}

std::string ReportFileName(const ClockTime& date, const ClockTime& time) {
    return "CleanReport" + TwoDigits(date.day) + TwoDigits(date.month) + FourDigits(date.year) +
           "_" + TwoDigits(time.hour) + TwoDigits(time.minute) + TwoDigits(time.second) + ".txt";
}

std::string ReportLine(const std::string& text) { return text + kCrLf; }

std::string FileInUseLine(const std::string& fileName) {
    return ReportLine("File: " + fileName + " could not be deleted - File is in use");
}

std::string FolderInUseLine(const std::string& folderName) {
    return ReportLine("Folder: " + folderName +
                      " could not be deleted - File within Folder are in use");
}

std::string CacheFolderInUseLine(const std::string& folderName) {
    return ReportLine("Folder: " + folderName +
                      " could not be deleted - File within Folder is in use");
}

std::string ErrorLine(const std::string& description) {
    return ReportLine("Error: " + description);
}

void ReportFailures(std::string& report, FailureRule rule, const std::function<bool()>& body) {
    bool complete = false;
    try {
        complete = body();
    } catch (const std::exception& failure) {
        if (rule == FailureRule::kErrorLine) report += ErrorLine(failure.what());
        complete = rule == FailureRule::kCompletedAnyway;
    }
    if (complete) report += ReportLine(kCompleted);
}

void WriteReportBlock(std::string& report, const std::string& title, FailureRule rule,
                      const std::function<bool()>& body) {
    report += ReportLine(title);
    ReportFailures(report, rule, body);
}
