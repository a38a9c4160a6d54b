#include <gtest/gtest.h>

#include <cstdlib>

#include "Sandbox.h"
#include "clean/GeneralCleaning.h"

namespace {

// Wine's Recycle Bin is the Unix trash under XDG_DATA_HOME, which the test run puts into the
// sandbox.
std::string Trash() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data == nullptr || std::string(data).find("sandbox") == std::string::npos) {
        ADD_FAILURE() << "XDG_DATA_HOME is not inside the sandbox";
        std::abort();
    }
    return WindowsPath(std::string(data) + "/Trash");
}

}  // namespace

TEST(EmptyRecycleBinTest, EmptiesTheBinAndSaysCompleted) {
    const std::string trash = Trash();
    CreateDirectoryA(trash.c_str(), nullptr);
    CreateDirectoryA((trash + "\\files").c_str(), nullptr);
    CreateDirectoryA((trash + "\\info").c_str(), nullptr);
    WriteBytes(trash + "\\files\\old.txt", "old");
    WriteBytes(trash + "\\info\\old.txt.trashinfo",
               "[Trash Info]\nPath=/tmp/old.txt\nDeletionDate=2026-12-01T10:00:00\n");

    std::string report;
    EmptyRecycleBin(report);
    EXPECT_EQ(report, "Cleaning Recycle Bin\r\nCompleted\r\n");
    EXPECT_FALSE(Exists(trash + "\\files\\old.txt"));

    std::string again;
    EmptyRecycleBin(again);  // an empty bin is no failure
    EXPECT_EQ(again, "Cleaning Recycle Bin\r\nCompleted\r\n");
}
