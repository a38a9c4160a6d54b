#include <gtest/gtest.h>

#include "RegistryOverride.h"
#include "RegistrySandbox.h"
#include "Sandbox.h"
#include "clean/GeneralCleaning.h"
#include "files/FileSystem.h"
#include "settings/ProgramState.h"
#include "settings/cRegistry.h"

namespace {

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

void WriteValues(const std::string& key, std::initializer_list<const char*> names) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (kExplorer + key).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    for (const char* name : names) {
        RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    }
    RegCloseKey(handle);
}

void DeleteKey(const std::string& key) {
    RegDeleteKeyA(HKEY_CURRENT_USER, (kExplorer + key).c_str());
}

// -1 when the key is missing, else the number of its values.
int ValueCount(const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (kExplorer + key).c_str(), 0, KEY_READ, &handle) !=
        ERROR_SUCCESS) {
        return -1;
    }
    DWORD values = 0;
    RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(handle);
    return static_cast<int>(values);
}

class CleanShellHistoryTest : public ::testing::Test {
  protected:
    std::string Clean(Boolean find) {
        std::string report;
        CleanShellHistory(registry, report, find);
        return report;
    }

    SandboxFolder recent{"recent"};
    RecentRedirect redirect{recent.Path()};
    cRegistry registry;
};

}  // namespace

TEST_F(CleanShellHistoryTest, DeletesTheRecentFilesButNotItsSubfolders) {
    WriteBytes(recent / "a.lnk", "a");
    WriteBytes(recent / "held.lnk", "h");
    WriteBytes(recent / "ro.lnk", "r");
    SetFileAttributesA((recent / "ro.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
    MakeFolder(recent / "sub");
    WriteBytes(recent / "sub\\kept.lnk", "k");
    HeldOpen held(recent / "held.lnk");

    EXPECT_EQ(Clean(kFalse),
              "Cleaning Document History\r\n"
              "File: held.lnk could not be deleted - File is in use\r\n"
              "Completed\r\n");
    EXPECT_FALSE(Exists(recent / "a.lnk"));
    EXPECT_FALSE(Exists(recent / "ro.lnk"));
    EXPECT_TRUE(Exists(recent / "held.lnk"));
    EXPECT_EQ(ReadBytes(recent / "sub\\kept.lnk"), "k");
}

TEST_F(CleanShellHistoryTest, FindHistoryKeyIsLeftEmptyAndTheRecentFolderEmptied) {
    for (bool existed : {true, false}) {
        DeleteKey("Doc Find Spec MRU");
        if (existed) WriteValues("Doc Find Spec MRU", {"a", "b", "MRUList"});
        WriteBytes(recent / "doc.lnk", "d");
        EXPECT_EQ(Clean(kTrue), "Cleaning Find/Search History\r\nCompleted\r\n") << existed;
        EXPECT_EQ(ValueCount("Doc Find Spec MRU"), 0) << existed;
        EXPECT_FALSE(Exists(recent / "doc.lnk"));
    }
}

TEST_F(CleanShellHistoryTest, MissingOrWrongRecentFolderEndsWithAnErrorLine) {
    struct Case {
        const char* what;
        std::string folder;
        bool removeValue;
    } cases[] = {
        {"value missing", "", true},
        {"folder missing", recent / "gone", false},
        {"a file, not a folder", recent / "file.txt", false},
    };
    WriteBytes(recent / "file.txt", "f");
    for (const Case& c : cases) {
        RecentRedirect wrong(c.folder, c.removeValue);
        EXPECT_EQ(Clean(kFalse), "Cleaning Document History\r\nError: Path not found\r\n")
            << c.what;
    }
    EXPECT_TRUE(Exists(recent / "file.txt"));
}

TEST_F(CleanShellHistoryTest, RecentPointingAtASystemFolderIsRefused) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    RecentRedirect wrong(windows);
    std::string report = Clean(kFalse);
    EXPECT_EQ(report.rfind("Cleaning Document History\r\nError: ", 0), 0u) << report;
    EXPECT_EQ(report.find("Completed"), std::string::npos);
}

TEST(CleanRunHistoryTest, DeletesTheRunHistoryAndAlwaysCompletes) {
    cRegistry registry;
    for (bool existed : {true, false}) {
        if (existed) WriteValues("RunMRU", {"a", "MRUList"});
        std::string report;
        CleanRunHistory(registry, report);
        EXPECT_EQ(report, "Cleaning Run History\r\nCompleted\r\n") << existed;
        EXPECT_EQ(ValueCount("RunMRU"), -1) << existed;
    }
}

// From Windows 7 on, a Document History clean also removes RecentDocs with its sub-keys and a
// Find/Search clean also empties the search box's WordWheelQuery; Windows XP and earlier keep
// to the Recent folder and "Doc Find Spec MRU". The report lines are the same everywhere.
TEST_F(CleanShellHistoryTest, NewerShellHistoryIsClearedFromWindows7On) {
    struct Case {
        const char* what;
        bool windows7;
        Boolean find;
        bool searchedBefore;  // WordWheelQuery exists with values
        bool recentDocsGone;
        int wordWheelValues;  // -1: no key
    } cases[] = {
        {"Windows 7, Document History", true, kFalse, true, true, 2},
        {"Windows 7, Find/Search", true, kTrue, true, false, 0},
        {"Windows 7, Find/Search, never searched", true, kTrue, false, false, 0},
        {"XP, Document History", false, kFalse, true, false, 2},
        {"XP, Find/Search", false, kTrue, false, false, -1},
    };
    SavedKey recentDocs(kExplorer + "RecentDocs"), wordWheel(kExplorer + "WordWheelQuery"),
        findSpec(kExplorer + "Doc Find Spec MRU"), typedPaths(kExplorer + "TypedPaths");
    // The shell's own call finds the Recent folder through "User Shell Folders" and writes it
    // into "Shell Folders": both name the sandbox.
    RegistryOverride shellRecent(HKEY_CURRENT_USER, kExplorer + "User Shell Folders", "Recent",
                                 recent.Path());
    const bool windows7 = Program().windows7OrLater;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteValues("RecentDocs", {"0", "MRUListEx"});
        WriteValues("RecentDocs\\.txt", {"0", "MRUListEx"});
        WriteValues("RecentDocs\\Folder\\Deeper", {"0"});
        RegDeleteTreeA(HKEY_CURRENT_USER, (kExplorer + "WordWheelQuery").c_str());
        if (c.searchedBefore) WriteValues("WordWheelQuery", {"0", "MRUListEx"});
        WriteValues("TypedPaths", {"url1"});
        WriteBytes(recent / "doc.lnk", "d");
        Program().windows7OrLater = c.windows7;

        EXPECT_EQ(Clean(c.find), std::string(c.find != kFalse ? "Cleaning Find/Search History"
                                                              : "Cleaning Document History") +
                                     "\r\nCompleted\r\n");
        EXPECT_EQ(ValueCount("RecentDocs"), c.recentDocsGone ? -1 : 2);
        EXPECT_EQ(ValueCount("RecentDocs\\.txt"), c.recentDocsGone ? -1 : 2);
        EXPECT_EQ(ValueCount("RecentDocs\\Folder\\Deeper"), c.recentDocsGone ? -1 : 1);
        EXPECT_EQ(ValueCount("WordWheelQuery"), c.wordWheelValues);
        EXPECT_EQ(ValueCount("TypedPaths"), 1);
        EXPECT_FALSE(Exists(recent / "doc.lnk"));
    }
    Program().windows7OrLater = windows7;
}
