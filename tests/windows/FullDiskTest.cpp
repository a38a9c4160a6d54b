// Rewrites on a full disk. Runs only when BRISVANE_FULL_DISK names a folder on a small disk of
// its own (tests/fulldisk/run.sh mounts one and maps it as a drive); skipped otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "CookieSandbox.h"
#include "FakeUi.h"
#include "Sandbox.h"
#include "app/frmProgress.h"
#include "clean/CleanOtherBrowsers.h"
#include "clean/CookieCleaning.h"
#include "clean/InternetCleaning.h"
#include "clean/WriteReport.h"
#include "files/FileSystem.h"
#include "settings/cRegistry.h"

namespace {

using chromium::SiteKeepList;

const char* kFixtureHistory = BRISVANE_FIXTURES "/chromium/User Data/Default/History";

// Writes `path` until the disk takes no more bytes, in ever smaller pieces (a write on a full
// disk may answer success with fewer bytes written).
void FillDisk(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    const std::string piece(65536, 'f');
    for (DWORD size = 65536; size >= 1; size /= 16) {
        DWORD wrote = 0;
        while (WriteFile(h, piece.data(), size, &wrote, nullptr) && wrote == size) {
        }
    }
    CloseHandle(h);
}

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const File& f : GetFolder(folder).Files()) names.push_back(f.Name());
    return names;
}

}  // namespace

TEST(FullDiskTest, ARewriteThatCannotCompleteKeepsTheOriginalAndDoesNotReportCompleted) {
    const char* disk = std::getenv("BRISVANE_FULL_DISK");
    if (disk == nullptr || *disk == '\0') GTEST_SKIP() << "BRISVANE_FULL_DISK names no folder";
    const std::string root = disk;
    FakeUi ui;
    frmProgress progress;
    KeepListKeys keys;
    KeepListKeys::Store(kNSKeepKey, {"keep.com"});
    cSettings settings;
    ProfileRedirect profile{root + "\\profile", settings};
    cRegistry registry;
    MakeFolder(root + "\\profile");
    MakeFolder(root + "\\Reports");
    MakeFolders(root + "\\User Data\\Default");

    struct Case {
        const char* folder;
        const char* file;
        std::string before;
        std::function<std::string()> run;  // the report block, or "" for the report writer
        std::string block;
    } cases[] = {
        {"profile", "cookies.txt",
         "# header\r\nkeep.com\tFALSE\t/\tFALSE\t1\tid\t1\r\ngone.org\tx\r\n",
         [&] {
             std::string report;
             CleanCookies(registry, report, "NS", settings);
             return report;
         },
         "Cleaning Internet Cookies\r\n"},
        {"profile", "localstore.rdf", "<RDF:li>x\nkeep this line\n",
         [&] {
             std::string report;
             CleanURLHistory(registry, report, "NS", root + "\\profile");
             return report;
         },
         "Cleaning Internet URL History\r\n"},
        {"User Data\\Default", "History", ReadBytes(WindowsPath(kFixtureHistory)),
         [&] {
             std::string report;
             const std::string data = root + "\\User Data";
             const FoundProfile found{&kChromiumBrowsers[0],
                                      data,
                                      data,
                                      {"Default", "Your Chromium"},
                                      data + "\\Default",
                                      data + "\\Default"};
             CleanBrowserProfile(found, {true, false, false, false}, SiteKeepList({}), report);
             return report;
         },
         "Cleaning Google Chrome (Your Chromium)\r\nError: database or disk is full\r\n"},
        {"Reports", "CleanReport07122026_214552.txt", "an earlier report of the same second",
         [&] {
             // Larger than the earlier report: written in place, it would not fit either.
             WriteReport(std::string(10000, 'r'), progress, root + "\\Reports");
             return std::string();
         },
         ""},
    };
    for (const Case& c : cases) {
        const std::string folder = root + "\\" + c.folder;
        const std::string path = folder + "\\" + c.file;
        WriteBytes(path, c.before);
        FillDisk(root + "\\filler");
        ui.messages.clear();
        EXPECT_EQ(c.run(), c.block) << c.file;
        DeleteFileA((root + "\\filler").c_str());
        EXPECT_EQ(ReadBytes(path), c.before) << c.file;
        EXPECT_EQ(FileNames(folder), std::vector<std::string>{c.file}) << c.file;
        // Only the report writer tells the user; the cleaning routines tell it in their block.
        ASSERT_EQ(ui.messages.size(), c.block.empty() ? 1u : 0u) << c.file;
        if (c.block.empty()) {
            EXPECT_NE(ui.messages[0].text.find("could not be saved"), std::string::npos);
        }
        DeleteFileA(path.c_str());
    }
}
