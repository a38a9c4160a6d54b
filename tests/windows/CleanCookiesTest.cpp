#include <gtest/gtest.h>

#include <algorithm>

#include "CookieSandbox.h"
#include "FailingRegistryApi.h"
#include "FakeUi.h"
#include "app/frmProgress.h"
#include "clean/CookieCleaning.h"
#include "clean/RunClean.h"
#include "files/FileSystem.h"
#include "settings/cRegistry.h"

namespace {

using Names = std::vector<std::string>;

const std::string kBlock = "Cleaning Internet Cookies\r\n";
const std::string kCompletedBlock = kBlock + "Completed\r\n";

Names FileNames(const std::string& folder) {
    Names names;
    for (const File& file : GetFolder(folder).Files()) names.push_back(file.Name());
    std::sort(names.begin(), names.end());
    return names;
}

class CleanCookiesTest : public ::testing::Test {
  protected:
    std::string Clean(const std::string& browser) {
        std::string report;
        CleanCookies(registry, report, browser, settings);
        return report;
    }

    KeepListKeys keys;
    SandboxFolder cookies{"cookies"};
    SandboxFolder profile{"profile"};
    CookieFolderRedirect redirect{cookies.Path()};
    cSettings settings;
    ProfileRedirect profileRedirect{profile.Path(), settings};
    cRegistry registry;
};

struct IECase {
    const char* what;
    Names keep;
    const char* held;  // a file held open without sharing, or nullptr
    Names left;
    bool completed;
};

}  // namespace

TEST_F(CleanCookiesTest, InternetExplorerDeletesExactlyTheUnkeptFiles) {
    // Wine's file names ignore letter case, so the folder holds one spelling of each name.
    const Names files = {"index.dat", "user@a[1].txt", "user@b[1].txt", "user@Keep[1].txt",
                         "read-only.txt"};
    const IECase cases[] = {
        {"empty keep-list", {}, nullptr, {"index.dat"}, true},
        {"kept names survive, a case-only difference does not",
         {"user@keep[1].txt", "user@b[1].txt", "user@gone[1].txt", "index"},
         nullptr,
         {"index.dat", "user@b[1].txt"},
         true},
        {"exact names keep read-only files too",
         {"user@Keep[1].txt", "read-only.txt"},
         nullptr,
         {"index.dat", "read-only.txt", "user@Keep[1].txt"},
         true},
        {"a file in use stays, the others still go, no Completed",
         {"user@b[1].txt"},
         "user@a[1].txt",
         {"index.dat", "user@a[1].txt", "user@b[1].txt"},
         false},
    };
    for (const IECase& c : cases) {
        for (const std::string& name : files) WriteBytes(cookies / name, name);
        SetFileAttributesA((cookies / "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        MakeFolder(cookies / "sub");
        WriteBytes(cookies / "sub\\user@a[1].txt", "nested");
        KeepListKeys::Store(kIEKeepKey, c.keep);
        {
            std::unique_ptr<HeldOpen> held;
            if (c.held != nullptr) held = std::make_unique<HeldOpen>(cookies / c.held);
            EXPECT_EQ(Clean("IE"), c.completed ? kCompletedBlock : kBlock) << c.what;
        }
        EXPECT_EQ(FileNames(cookies.Path()), c.left) << c.what;
        EXPECT_EQ(ReadBytes(cookies / "sub\\user@a[1].txt"), "nested") << c.what;
        Folder(cookies.Path()).Delete(true);
        MakeFolder(cookies.Path());
        RegDeleteTreeA(HKEY_CURRENT_USER, kIEKeepKey);
    }
}

TEST_F(CleanCookiesTest, InternetExplorerWithoutACookieFolderTouchesNothing) {
    WriteBytes(profile / "cookies.txt", "a\tb\n");
    {
        CookieFolderRedirect missing(cookies / "missing");
        EXPECT_EQ(Clean("IE"), kBlock);
    }
    {
        CookieFolderRedirect empty("");
        EXPECT_EQ(Clean("IE"), kBlock);
    }
    EXPECT_EQ(ReadBytes(profile / "cookies.txt"), "a\tb\n");
}

TEST_F(CleanCookiesTest, AKeepListThatCannotBeReadStopsBeforeAnythingIsDeleted) {
    WriteBytes(cookies / "user@a[1].txt", "a");
    WriteBytes(profile / "cookies.txt", "a.com\t1\n");
    const struct {
        RegCall failing;
        bool stored;  // the keep-lists hold an entry
    } cases[] = {
        {RegCall::CreateKey, false},  // the missing keep-list key cannot be created
        {RegCall::EnumValue, true},   // the entries cannot be read
    };
    for (const auto& c : cases) {
        if (c.stored) {
            KeepListKeys::Store(kIEKeepKey, {"user@b[1].txt"});
            KeepListKeys::Store(kNSKeepKey, {"b.com"});
        }
        FailingRegistryApi api;
        api.failing = c.failing;
        cRegistry failing(api);
        for (const char* browser : {"IE", "NS"}) {
            std::string report;
            CleanCookies(failing, report, browser, settings);
            EXPECT_EQ(report, kBlock) << browser << " " << static_cast<int>(c.failing);
        }
    }
    EXPECT_TRUE(Exists(cookies / "user@a[1].txt"));
    EXPECT_EQ(ReadBytes(profile / "cookies.txt"), "a.com\t1\n");
}

TEST_F(CleanCookiesTest, NetscapeRewritesCookiesTxtWithOnlyTheKeptLines) {
    const std::string path = profile / "cookies.txt";
    WriteBytes(path,
               "# Netscape HTTP Cookie File\r\n\r\n"
               ".dot.com\tTRUE\t/\tFALSE\t1\tid\t1\r\n"
               "dot.com\tFALSE\t/\tFALSE\t1\tid\t2\r\n"
               "Plain.com\tFALSE\t/\tFALSE\t1\tid\t3\r\n"
               "plain.com\tFALSE\t/\tFALSE\t1\tid\t4\r\n"
               "gone.org\tFALSE\t/\tFALSE\t1\tid\t5");
    KeepListKeys::Store(kNSKeepKey, {".dot.com", "plain.com"});
    KeepListKeys::Store(kIEKeepKey, {"gone.org"});  // the other family's list is not used
    EXPECT_EQ(Clean("NS"), kCompletedBlock);
    EXPECT_EQ(ReadBytes(path),
              "# Netscape HTTP Cookie File\n\n"
              ".dot.com\tTRUE\t/\tFALSE\t1\tid\t1\n"
              "plain.com\tFALSE\t/\tFALSE\t1\tid\t4\n");
    EXPECT_EQ(FileNames(profile.Path()), Names{"cookies.txt"});  // nothing left beside it
}

TEST_F(CleanCookiesTest, NetscapeLeavesTheFileAsItWasWhenItCannotBeCleaned) {
    const std::string path = profile / "cookies.txt";
    EXPECT_EQ(Clean("NS"), kCompletedBlock);  // no cookies.txt: nothing to do
    EXPECT_FALSE(Exists(path));

    const std::string broken = "# header\r\na.com\tx\r\nno tab on this line\r\nb.com\ty\r\n";
    WriteBytes(path, broken);
    EXPECT_EQ(Clean("NS"), kBlock);
    EXPECT_EQ(ReadBytes(path), broken);

    WriteBytes(path, "a.com\tx\r\n");
    {
        HeldOpen held(path);
        EXPECT_EQ(Clean("Unknown Browser"), kBlock);
    }
    EXPECT_EQ(ReadBytes(path), "a.com\tx\r\n");
    EXPECT_EQ(FileNames(profile.Path()), Names{"cookies.txt"});
}

TEST_F(CleanCookiesTest, ARunCleansTheDefaultBrowsersCookiesOnly) {
    FakeUi ui;
    WriteBytes(cookies / "user@gone[1].txt", "g");
    WriteBytes(cookies / "user@kept[1].txt", "k");
    WriteBytes(profile / "cookies.txt", "gone.com\t1\nkept.com\t2\n");
    KeepListKeys::Store(kIEKeepKey, {"user@kept[1].txt"});
    KeepListKeys::Store(kNSKeepKey, {"kept.com"});
    settings.SetInternetCookies(kTrue);
    for (const char* browser : {"IE", "NS"}) {
        settings.SetDefaultBrowser(browser);
        frmProgress progress;
        const std::string report = RunClean(registry, settings, kFalse, progress);
        EXPECT_NE(report.find("\r\n" + kCompletedBlock + "END OF CLEANING REPORT: "),
                  std::string::npos)
            << report;
    }
    EXPECT_EQ(FileNames(cookies.Path()), Names{"user@kept[1].txt"});
    EXPECT_EQ(ReadBytes(profile / "cookies.txt"), "kept.com\t2\n");
}
