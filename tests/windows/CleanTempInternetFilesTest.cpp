#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "Sandbox.h"
#include "clean/InternetCleaning.h"
#include "settings/cRegistry.h"

namespace {

const std::string kFirst = "Cleaning Temporary Internet Files\r\n";
const std::string kCompleted = "Completed\r\n";

// Every entry below `folder` as a sorted relative path; links are listed, never entered.
std::vector<std::string> Entries(const std::string& folder, const std::string& prefix = "") {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data)) {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        names.push_back(prefix + name);
        if ((data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
            FILE_ATTRIBUTE_DIRECTORY) {
            for (auto& inner : Entries(folder + "\\" + name, prefix + name + "\\")) {
                names.push_back(inner);
            }
        }
    }
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// A cache as Internet Explorer leaves it: loose files (one of them an "index.dat"),
// Content.IE5 with its index, a file and two cache subfolders, and a folder with its own index.
void FillCache(const SandboxFolder& box) {
    for (const char* folder : {"Content.IE5", "Content.IE5\\AB12", "Content.IE5\\ZZ9",
                               "Content.IE5\\ZZ9\\deeper", "MSHist01", "MSHist01\\inner"}) {
        MakeFolder(box / folder);
    }
    for (const char* file :
         {"index.dat", "loose.htm", "Content.IE5\\index.dat", "Content.IE5\\x.dat",
          "Content.IE5\\AB12\\index.dat", "Content.IE5\\ZZ9\\logo.gif",
          "Content.IE5\\ZZ9\\deeper\\d.js", "MSHist01\\index.dat", "MSHist01\\inner\\i.txt"}) {
        WriteBytes(box / file, file);
    }
    SetFileAttributesA((box / "Content.IE5\\ZZ9\\logo.gif").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((box / "loose.htm").c_str(), FILE_ATTRIBUTE_READONLY);
}

std::string Clean(const std::string& browser = "IE", const std::string& profile = "") {
    cRegistry registry;
    std::string report;
    CleanTempInternetFiles(registry, report, browser, profile);
    return report;
}

}  // namespace

TEST(IECacheTest, OnlyContentIE5AndItsIndexStayAndItemsInUseGetTheirLines) {
    const std::vector<std::string> kept = {"Content.IE5", "Content.IE5\\index.dat"};
    struct Case {
        const char* held;  // "" for none
        std::string lines;
        std::vector<std::string> alsoLeft;
    } cases[] = {
        {"", "", {}},
        {"loose.htm", "File: loose.htm could not be deleted - File is in use\r\n", {"loose.htm"}},
        {"Content.IE5\\ZZ9\\logo.gif",
         "File: logo.gif could not be deleted - File is in use\r\n"
         "Folder: ZZ9 could not be deleted - File within Folder is in use\r\n",
         {"Content.IE5\\ZZ9", "Content.IE5\\ZZ9\\logo.gif"}},
        {"MSHist01\\inner\\i.txt",
         "Folder: MSHist01 could not be deleted - File within Folder is in use\r\n",
         {"MSHist01", "MSHist01\\inner", "MSHist01\\inner\\i.txt"}},
    };
    for (const Case& c : cases) {
        SandboxFolder cache("iecache");
        CacheRedirect redirect(cache.Path());
        FillCache(cache);
        std::optional<HeldOpen> held;
        if (*c.held) held.emplace(cache / c.held);
        EXPECT_EQ(Clean(), kFirst + c.lines + kCompleted) << c.held;
        held.reset();
        std::vector<std::string> left = kept;
        left.insert(left.end(), c.alsoLeft.begin(), c.alsoLeft.end());
        std::sort(left.begin(), left.end());
        EXPECT_EQ(Entries(cache.Path()), left) << c.held;
    }
}

TEST(IECacheTest, MissingOrProtectedCachePathGivesAnErrorAndStillCompletes) {
    SandboxFolder cache("iecache");
    {
        CacheRedirect missing(cache / "missing");
        EXPECT_EQ(Clean(), kFirst + "Error: Path not found\r\n" + kCompleted);
    }
    // The sandbox stands in for the user's profile folder, which no cache walk may empty.
    CacheRedirect redirect(cache.Path());
    WriteBytes(cache / "keep.txt", "k");
    char profile[MAX_PATH] = {};
    GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    SetEnvironmentVariableA("USERPROFILE", cache.Path().c_str());
    const std::string report = Clean();
    SetEnvironmentVariableA("USERPROFILE", profile);
    EXPECT_EQ(report, kFirst + "Error: The cache folder " + cache.Path() +
                          " is not a folder of its own\r\n" + kCompleted);
    EXPECT_TRUE(Exists(cache / "keep.txt"));
}

TEST(IECacheTest, LinksInTheCacheAndAsContentIE5KeepTheirTargetsIntact) {
    SandboxFolder outside("iecache-outside"), cache("iecache");
    CacheRedirect redirect(cache.Path());
    for (const char* name : {"a", "b"}) {
        MakeFolder(outside / name);
        WriteBytes(outside / name + "\\keep.txt", name);
        ASSERT_EQ(MakeUnixLink(outside / name, cache / (*name == 'a' ? "linked" : "Content.IE5")),
                  static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
    }
    const std::string report = Clean();
    EXPECT_EQ(report.find("Error: "), std::string::npos) << report;
    EXPECT_EQ(report.substr(report.size() - kCompleted.size()), kCompleted);
    EXPECT_EQ(ReadBytes(outside / "a\\keep.txt"), "a");
    EXPECT_EQ(ReadBytes(outside / "b\\keep.txt"), "b");
}

TEST(IECacheTest, UserShellFoldersServeOnlyWhenShellFoldersGiveNothing) {
    SandboxFolder shell("iecache-shell"), user("iecache-user");
    SetEnvironmentVariableA("BRISVANE_TEST_CACHE", user.Path().c_str());
    RegistryValueOverride expandable(kUserShellFolders, "Cache", REG_EXPAND_SZ,
                                     "%BRISVANE_TEST_CACHE%");
    struct Case {
        bool remove;
        std::string value;
        bool userCleaned;
    } cases[] = {{true, "", true}, {false, "", true}, {false, shell.Path(), false}};
    for (const Case& c : cases) {
        WriteBytes(shell / "a.htm", "a");
        WriteBytes(user / "b.htm", "b");
        RegistryValueOverride first(kShellFolders, "Cache", REG_SZ, c.value, c.remove);
        EXPECT_EQ(Clean(), kFirst + kCompleted) << c.value;
        EXPECT_EQ(Exists(user / "b.htm"), !c.userCleaned) << c.value;
        EXPECT_EQ(Exists(shell / "a.htm"), c.userCleaned) << c.value;
    }
    SetEnvironmentVariableA("BRISVANE_TEST_CACHE", nullptr);
}

TEST(NetscapeCacheTest, FilesInUseGetTwoLinesEachSubfoldersStayAndNoCacheEndsTheBlock) {
    SandboxFolder profile("nsprofile");
    EXPECT_EQ(Clean("NS", profile.Path()), kFirst);
    EXPECT_EQ(Clean("NS", ""), kFirst);
    MakeFolder(profile / "cache");
    MakeFolder(profile / "cache\\sub");
    for (const char* file : {"_CACHE_MAP_", "A1B2", "C3D4", "ro", "sub\\keep"}) {
        WriteBytes(profile / "cache\\" + file, file);
    }
    SetFileAttributesA((profile / "cache\\ro").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string inUse =
        "Temporary File could not be deleted - File is in use\r\n"
        "Please Ensure that Netscape is NOT running.\r\n";
    {
        HeldOpen map(profile / "cache\\_CACHE_MAP_"), block(profile / "cache\\C3D4");
        EXPECT_EQ(Clean("NS", profile.Path()), kFirst + inUse + inUse + kCompleted);
    }
    EXPECT_EQ(Entries(profile / "cache"),
              (std::vector<std::string>{"C3D4", "_CACHE_MAP_", "sub", "sub\\keep"}));
}
