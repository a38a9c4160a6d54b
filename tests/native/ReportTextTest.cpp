#include <gtest/gtest.h>

#include "clean/ReportText.h"

TEST(ReportText, DateTimeAndLinesArePaddedAndEndedAsReportsNeed) {
    ClockTime t{2026, 3, 7, 9, 5, 2};
    EXPECT_EQ(FormatReportDate(t, "Mar"), "07-Mar-2026");
    EXPECT_EQ(FormatReportTime(t), "09:05:02");
    EXPECT_EQ(FormatReportTime(ClockTime{2026, 12, 31, 23, 59, 59}), "23:59:59");
    EXPECT_EQ(ReportStartLine("07-Mar-2026", "09:05:02"),
              "START OF CLEANING REPORT: 07-Mar-2026 09:05:02\r\n");
    EXPECT_EQ(ReportEndLine("07-Mar-2026", "09:05:02"),
              "END OF CLEANING REPORT: 07-Mar-2026 09:05:02\r\n\r\n");
}

TEST(ReportText, FileNameTakesDateAndTimeFromSeparateReadings) {
    ClockTime date{2026, 12, 7, 23, 59, 59};
    ClockTime time{2026, 12, 8, 21, 45, 52};
    EXPECT_EQ(ReportFileName(date, time), "CleanReport07122026_214552.txt");
    EXPECT_EQ(ReportFileName(ClockTime{987, 1, 2, 0, 0, 0}, ClockTime{987, 1, 2, 0, 0, 0}),
              "CleanReport02010987_000000.txt");
}

TEST(ReportTextTest, FailureLinesOfTheCleaningRoutines) {
    EXPECT_EQ(FileInUseLine("a b.txt"), "File: a b.txt could not be deleted - File is in use\r\n");
    EXPECT_EQ(FolderInUseLine("sub"),
              "Folder: sub could not be deleted - File within Folder are in use\r\n");
    EXPECT_EQ(CacheFolderInUseLine("x1"),
              "Folder: x1 could not be deleted - File within Folder is in use\r\n");
    EXPECT_EQ(ErrorLine("Path not found"), "Error: Path not found\r\n");
}
