#include <gtest/gtest.h>

#include "Sandbox.h"
#include "clean/GeneralCleaning.h"
#include "files/FileSystem.h"
#include "platform/System.h"
#include "settings/cRegistry.h"

namespace {

constexpr DWORD kLinkAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;

class CleanTempFilesTest : public ::testing::Test {
  protected:
    std::string Clean() {
        std::string report;
        CleanTempFiles(registry, report);
        return report;
    }

    SandboxFolder box{"temp"};
    TempRedirect redirect{box.Path() + "\\"};
    cRegistry registry;
};

}  // namespace

TEST_F(CleanTempFilesTest, EmptyFolderGivesJustTheTwoLines) {
    EXPECT_EQ(Clean(), "Cleaning Temp Files\r\nCompleted\r\n");
    EXPECT_TRUE(FolderExists(box.Path()));
}

TEST_F(CleanTempFilesTest, FileInUseIsReportedAndEverythingElseGoes) {
    BuildTree(box.Path(),
              {{"a.tmp", "a"}, {"held.tmp", "h"}, {"ro.tmp", "r"}, {"sub\\b.tmp", "b"}});
    SetFileAttributesA((box / "ro.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    {
        HeldOpen held(box / "held.tmp");
        EXPECT_EQ(Clean(),
                  "Cleaning Temp Files\r\n"
                  "File: held.tmp could not be deleted - File is in use\r\n"
                  "Completed\r\n");
    }
    EXPECT_EQ(ReadTree(box.Path()), (FileTree{{"held.tmp", "h"}}));
}

TEST_F(CleanTempFilesTest, SubfolderWithAFileInUseGetsOneLineAndTheWalkGoesOn) {
    BuildTree(box.Path(), {{"loose.tmp", "l"},
                           {"one\\deeper\\x.tmp", "x"},
                           {"one\\y.tmp", "y"},
                           {"busy\\deeper\\x.tmp", "x"},
                           {"busy\\y.tmp", "y"},
                           {"three\\deeper\\x.tmp", "x"},
                           {"three\\y.tmp", "y"}});
    {
        HeldOpen held(box / "busy\\deeper\\x.tmp");
        EXPECT_EQ(Clean(),
                  "Cleaning Temp Files\r\n"
                  "Folder: busy could not be deleted - File within Folder are in use\r\n"
                  "Completed\r\n");
    }
    EXPECT_EQ(ReadTree(box.Path()),
              (FileTree{{"busy\\", ""}, {"busy\\deeper\\", ""}, {"busy\\deeper\\x.tmp", "x"}}));
}

TEST_F(CleanTempFilesTest, LinkedFoldersOutsideTheTempFolderKeepEveryFile) {
    SandboxFolder outside("outside");
    BuildTree(outside.Path(), {{"a\\keep.txt", "a"},
                               {"a\\inner\\keep.txt", "a"},
                               {"b\\keep.txt", "b"},
                               {"b\\inner\\keep.txt", "b"}});
    const FileTree before = ReadTree(outside.Path());
    BuildTree(box.Path(), {{"sub\\gone.tmp", "g"}});
    ASSERT_EQ(MakeUnixLink(outside / "a", box / "link"), kLinkAttributes);
    ASSERT_EQ(MakeUnixLink(outside / "b", box / "sub\\link"), kLinkAttributes);

    std::string report = Clean();
    EXPECT_EQ(report.rfind("Completed\r\n"), report.size() - 11) << report;
    EXPECT_EQ(report.find("Error: "), std::string::npos) << report;
    EXPECT_EQ(ReadTree(outside.Path()), before);
    EXPECT_FALSE(Exists(box / "sub\\gone.tmp"));
}

TEST_F(CleanTempFilesTest, MissingTempFolderEndsWithAnErrorLine) {
    TempRedirect missing(box / "missing\\");
    EXPECT_EQ(Clean(), "Cleaning Temp Files\r\nError: Path not found\r\n");
}

TEST_F(CleanTempFilesTest, TempPathOfAnyLengthIsCleaned) {
    std::string deep = box.Path();
    for (int i = 0; i < 4; ++i) {
        deep += "\\" + std::string(45, static_cast<char>('a' + i));
        MakeFolder(deep);
    }
    ASSERT_GT(deep.size(), 200u);
    WriteBytes(deep + "\\x.tmp", "x");
    TempRedirect longer(deep);
    EXPECT_EQ(TempFolderPath(), deep + "\\");
    EXPECT_EQ(Clean(), "Cleaning Temp Files\r\nCompleted\r\n");
    EXPECT_FALSE(Exists(deep + "\\x.tmp"));
}

TEST(ProtectedFolderTest, RootsAndSystemFoldersAreNeverEmptied) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    char profile[MAX_PATH] = {};
    GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    SandboxFolder box("protected");
    struct Case {
        std::string path;
        bool isProtected;
    } cases[] = {
        {"C:\\", true},
        {"z:/", true},
        {"\\\\server\\share\\", true},
        {std::string(windows) + "\\", true},
        {system, true},
        {profile, true},
        {box.Path() + "\\", false},
        {std::string(windows) + "\\Temp\\", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsProtectedFolder(c.path), c.isProtected) << c.path;
}
