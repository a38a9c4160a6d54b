#include <gtest/gtest.h>

#include "FakeUi.h"
#include "Sandbox.h"
#include "app/frmProgress.h"
#include "clean/WriteReport.h"
#include "files/FileSystem.h"

namespace {

const std::string kReport =
    "START OF CLEANING REPORT: 07-Dec-2026 21:45:44\r\n"
    "Cleaning Temp Files\r\n"
    "File: r\xe9sum\xe9.tmp could not be deleted - File is in use\r\n"
    "Completed\r\n"
    "END OF CLEANING REPORT: 07-Dec-2026 21:45:52\r\n\r\n";

class WriteReportTest : public ::testing::Test {
  protected:
    std::vector<std::string> FileNames(const std::string& folder) {
        std::vector<std::string> names;
        for (const File& f : GetFolder(folder).Files()) names.push_back(f.Name());
        return names;
    }

    FakeUi ui;
    frmProgress progress;
    SandboxFolder box{"reports"};
    std::string folder = box / "Reports";
};

}  // namespace

TEST_F(WriteReportTest, CreatesTheFolderAndWritesTheTextByteForByte) {
    // The date and the time are two readings: a report written on the stroke of midnight
    // carries the date of the first and the time of the second.
    ui.clock = {ClockTime{2026, 12, 7, 23, 59, 59}, ClockTime{2026, 12, 8, 0, 0, 0}};
    WriteReport(kReport, progress, folder);

    EXPECT_EQ(FileNames(folder), (std::vector<std::string>{"CleanReport07122026_000000.txt"}));
    EXPECT_EQ(ReadBytes(folder + "\\CleanReport07122026_000000.txt"), kReport);
    EXPECT_EQ(progress.Caption(), "Brisvane: Writing Report...");
    EXPECT_EQ(ui.pauses, (std::vector<DWORD>{2000}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WriteReportTest, ASecondReportInTheSameSecondReplacesTheFirst) {
    WriteReport(kReport + kReport, progress, folder);
    WriteReport(kReport, progress, folder);
    EXPECT_EQ(FileNames(folder), (std::vector<std::string>{"CleanReport07122026_214552.txt"}));
    EXPECT_EQ(ReadBytes(folder + "\\CleanReport07122026_214552.txt"), kReport);
}

TEST_F(WriteReportTest, UnwritableFolderOrFileIsToldAndTheRunGoesOn) {
    WriteBytes(folder, "a file where the folder should be");
    SandboxFolder other("reports");
    MakeFolder(other / "CleanReport07122026_214552.txt");  // a folder where the file should be
    for (const std::string& target : {folder, other.Path()}) {
        ui.messages.clear();
        EXPECT_NO_THROW(WriteReport(kReport, progress, target));
        ASSERT_EQ(ui.messages.size(), 1u) << target;
        EXPECT_NE(ui.messages[0].text.find("could not be saved"), std::string::npos);
        EXPECT_EQ(ui.messages[0].flags, UINT{MB_OK | MB_ICONEXCLAMATION});
    }
    EXPECT_TRUE(FileExists(folder));
}

TEST_F(WriteReportTest, AReportHeldOpenByAnotherProgramIsToldAndKeptByteForByte) {
    struct Case {
        const char* held;  // the report held open without sharing
        bool told;         // the run's own report could not be written
    } cases[] = {
        {"CleanReport07122026_214552.txt", true},   // the name this run's report takes
        {"CleanReport06122026_101010.txt", false},  // an earlier report open in a viewer
    };
    for (const Case& c : cases) {
        SandboxFolder reports("held-reports");
        WriteBytes(reports / c.held, "earlier report");
        ui.messages.clear();
        {
            HeldOpen held(reports / c.held);
            EXPECT_NO_THROW(WriteReport(kReport, progress, reports.Path()));
        }
        EXPECT_EQ(ReadBytes(reports / c.held), "earlier report") << c.held;
        ASSERT_EQ(ui.messages.size(), c.told ? 1u : 0u) << c.held;
        if (c.told) {
            EXPECT_NE(ui.messages[0].text.find("could not be saved"), std::string::npos);
        } else {
            EXPECT_EQ(ReadBytes(reports / "CleanReport07122026_214552.txt"), kReport);
        }
    }
}
