#include <gtest/gtest.h>

#include "reports/ReportList.h"

TEST(ReportList, EntryDropsTheLastFourCharacters) {
    EXPECT_EQ(ReportEntryName("CleanReport07122026_214552.txt"), "CleanReport07122026_214552");
    EXPECT_EQ(ReportEntryName("notes.log"), "notes");
    EXPECT_EQ(ReportEntryName(".txt"), "");
    EXPECT_EQ(ReportEntryName("abc"), "abc");  // too short to shorten
}

TEST(ReportList, DeleteAllTakesNamesEndingInLowerCaseTxt) {
    EXPECT_TRUE(IsDeletedByDeleteAll("CleanReport07122026_214552.txt"));
    EXPECT_TRUE(IsDeletedByDeleteAll("notatxt"));
    EXPECT_TRUE(IsDeletedByDeleteAll("txt"));
    EXPECT_FALSE(IsDeletedByDeleteAll("a.TXT"));
    EXPECT_FALSE(IsDeletedByDeleteAll("a.txt.bak"));
    EXPECT_FALSE(IsDeletedByDeleteAll("tx"));
}
