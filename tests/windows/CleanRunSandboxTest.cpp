// A whole clean run of the five general items on sandbox folders, with its report file.
#include <gtest/gtest.h>

#include "FakeUi.h"
#include "Sandbox.h"
#include "app/frmProgress.h"
#include "clean/RunClean.h"
#include "clean/WriteReport.h"
#include "files/FileSystem.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

TEST(CleanRunSandboxTest, FiveItemsEmptyTheSandboxAndLeaveTheirReport) {
    FakeUi ui;
    SandboxFolder temp("run-temp");
    SandboxFolder recent("run-recent");
    TempRedirect tempRedirect(temp.Path());
    RecentRedirect recentRedirect(recent.Path());
    WriteBytes(temp / "a.tmp", "a");
    MakeFolder(temp / "sub");
    WriteBytes(temp / "sub\\b.tmp", "b");
    WriteBytes(recent / "doc.lnk", "d");
    WriteBytes(recent / "held.lnk", "h");
    HeldOpen held(recent / "held.lnk");

    cSettings settings;
    for (auto set : {&cSettings::SetRun, &cSettings::SetDocumentHistory, &cSettings::SetFindSearch,
                     &cSettings::SetTempFiles, &cSettings::SetRecycleBin, &cSettings::SetReport}) {
        (settings.*set)(kTrue);
    }
    cRegistry registry;
    frmProgress progress;
    const std::string report = RunClean(registry, settings, kFalse, progress);

    const std::string inUse = "File: held.lnk could not be deleted - File is in use\r\n";
    const std::string blocks =
        "Cleaning Run History\r\nCompleted\r\n"
        "Cleaning Document History\r\n" +
        inUse +
        "Completed\r\n"
        "Cleaning Find/Search History\r\n" +
        inUse +
        "Completed\r\n"
        "Cleaning Temp Files\r\nCompleted\r\n"
        "Cleaning Recycle Bin\r\nCompleted\r\n";
    EXPECT_NE(report.find("\r\n" + blocks + "END OF CLEANING REPORT: "), std::string::npos)
        << report;
    EXPECT_TRUE(GetFolder(temp.Path()).Files().empty());
    EXPECT_TRUE(GetFolder(temp.Path()).SubFolders().empty());
    EXPECT_FALSE(Exists(recent / "doc.lnk"));

    const std::string file = ReportsFolder() + "\\CleanReport07122026_214552.txt";
    EXPECT_EQ(ReadBytes(file), report);
    DeleteFileA(file.c_str());
}
