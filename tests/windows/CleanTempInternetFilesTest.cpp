#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "RegistryValueOverride.h"
#include "Sandbox.h"
#include "clean/InternetCleaning.h"
#include "settings/cRegistry.h"

namespace {

constexpr const char* kFirst = "Cleaning Temporary Internet Files\r\n";
constexpr const char* kCompleted = "Completed\r\n";
constexpr const char* kNetscapeInUse =
    "Temporary File could not be deleted - File is in use\r\n"
    "Please Ensure that Netscape is NOT running.\r\n";

// Every entry below `folder` as a relative path, sorted; links are listed, never entered.
std::vector<std::string> Entries(const std::string& folder, const std::string& prefix = "") {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        names.push_back(prefix + name);
        const DWORD a = data.dwFileAttributes;
        if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT)) {
            for (auto& inner : Entries(folder + "\\" + name, prefix + name + "\\")) {
                names.push_back(inner);
            }
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// A cache as Internet Explorer leaves it: loose files (one "index.dat"), Content.IE5 with its
// index, files and cache subfolders, and another subfolder with an index of its own.
void FillCache(const SandboxFolder& box) {
    for (const char* folder : {"Content.IE5", "Content.IE5\\AB12CD34", "Content.IE5\\ZZ9",
                               "Content.IE5\\ZZ9\\deeper", "MSHist01", "MSHist01\\inner"}) {
        MakeFolder(box / folder);
    }
    for (const char* file :
         {"index.dat", "loose.htm", "desktop.ini", "Content.IE5\\index.dat", "Content.IE5\\x.dat",
          "Content.IE5\\AB12CD34\\page[1].htm", "Content.IE5\\AB12CD34\\index.dat",
          "Content.IE5\\ZZ9\\logo[2].gif", "Content.IE5\\ZZ9\\deeper\\d.js", "MSHist01\\index.dat",
          "MSHist01\\h.txt", "MSHist01\\inner\\i.txt"}) {
        WriteBytes(box / file, file);
    }
    SetFileAttributesA((box / "Content.IE5\\ZZ9\\logo[2].gif").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((box / "loose.htm").c_str(), FILE_ATTRIBUTE_READONLY);
}

class IECacheTest : public ::testing::Test {
protected:
    std::string Clean() {
        std::string report;
        CleanTempInternetFiles(registry, report, "IE", "");
        return report;
    }

    SandboxFolder box{"iecache"};
    CacheRedirect redirect{box.Path()};
    cRegistry registry;
};

}  // namespace

TEST_F(IECacheTest, NormalCacheKeepsOnlyContentIE5AndItsIndex) {
    FillCache(box);
    EXPECT_EQ(Clean(), std::string(kFirst) + kCompleted);
    EXPECT_EQ(Entries(box.Path()),
              (std::vector<std::string>{"Content.IE5", "Content.IE5\\index.dat"}));
}

TEST_F(IECacheTest, ItemsInUseGetTheirLinesAndEverythingElseGoes) {
    struct Case {
        const char* held;
        std::string lines;
        std::vector<std::string> left;
    } cases[] = {
        {"loose.htm",
         "File: loose.htm could not be deleted - File is in use\r\n",
         {"Content.IE5", "Content.IE5\\index.dat", "loose.htm"}},
        {"Content.IE5\\x.dat",
         "File: x.dat could not be deleted - File is in use\r\n",
         {"Content.IE5", "Content.IE5\\index.dat", "Content.IE5\\x.dat"}},
        {"Content.IE5\\ZZ9\\logo[2].gif",
         "File: logo[2].gif could not be deleted - File is in use\r\n"
         "Folder: ZZ9 could not be deleted - File within Folder is in use\r\n",
         {"Content.IE5", "Content.IE5\\ZZ9", "Content.IE5\\ZZ9\\logo[2].gif",
          "Content.IE5\\index.dat"}},
        {"MSHist01\\inner\\i.txt",
         "Folder: MSHist01 could not be deleted - File within Folder is in use\r\n",
         {"Content.IE5", "Content.IE5\\index.dat", "MSHist01", "MSHist01\\inner",
          "MSHist01\\inner\\i.txt"}},
    };
    for (const Case& c : cases) {
        SandboxFolder cache("iecache-held");
        CacheRedirect here(cache.Path());
        FillCache(cache);
        {
            HeldOpen held(cache / c.held);
            EXPECT_EQ(Clean(), kFirst + c.lines + kCompleted) << c.held;
        }
        EXPECT_EQ(Entries(cache.Path()), c.left) << c.held;
    }
}

TEST_F(IECacheTest, MissingOrProtectedCachePathGivesAnErrorAndStillCompletes) {
    {
        CacheRedirect missing(box / "missing");
        EXPECT_EQ(Clean(), std::string(kFirst) + "Error: Path not found\r\n" + kCompleted);
    }
    // The sandbox stands in for the user's profile folder, which no cache walk may empty.
    WriteBytes(box / "keep.txt", "k");
    char profile[MAX_PATH] = {};
    GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    SetEnvironmentVariableA("USERPROFILE", box.Path().c_str());
    const std::string report = Clean();
    SetEnvironmentVariableA("USERPROFILE", profile);
    EXPECT_EQ(report, std::string(kFirst) + "Error: The cache folder " + box.Path() +
                          " is not a folder of its own\r\n" + kCompleted);
    EXPECT_TRUE(Exists(box / "keep.txt"));
}

TEST_F(IECacheTest, LinksInsideTheCacheKeepTheirTargetsIntact) {
    SandboxFolder outside("iecache-outside");
    for (const char* name : {"a", "b", "c"}) {
        MakeFolder(outside / name);
        WriteBytes(outside / name + "\\keep.txt", name);
        WriteBytes(outside / name + "\\index.dat", name);
    }
    MakeFolder(box / "Content.IE5");
    const DWORD link = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    ASSERT_EQ(MakeUnixLink(outside / "a", box / "linked"), link);
    ASSERT_EQ(MakeUnixLink(outside / "b", box / "Content.IE5\\linked"), link);
    SandboxFolder second("iecache-linked");
    ASSERT_EQ(MakeUnixLink(outside / "c", second / "Content.IE5"), link);

    const std::string report = Clean();
    EXPECT_EQ(report.find("Error: "), std::string::npos) << report;
    EXPECT_EQ(report.rfind(kCompleted), report.size() - 11) << report;
    {
        CacheRedirect linkedContent(second.Path());
        Clean();
    }
    for (const char* name : {"a", "b", "c"}) {
        EXPECT_EQ(ReadBytes(outside / name + "\\keep.txt"), name);
        EXPECT_EQ(ReadBytes(outside / name + "\\index.dat"), name);
    }
}

TEST_F(IECacheTest, UserShellFoldersServeOnlyWhenShellFoldersGiveNothing) {
    SandboxFolder other("iecache-user");
    SetEnvironmentVariableA("BRISVANE_TEST_CACHE", other.Path().c_str());
    struct Case {
        const char* name;
        bool remove;
        std::string shellValue;
        bool cleansOther;
    } cases[] = {
        {"Shell Folders value missing", true, "", true},
        {"Shell Folders value empty", false, "", true},
        {"Shell Folders value set", false, box.Path(), false},
    };
    for (const Case& c : cases) {
        WriteBytes(box / "a.htm", "a");
        WriteBytes(other / "b.htm", "b");
        RegistryValueOverride user(kUserShellFolders, "Cache", REG_EXPAND_SZ,
                                   "%BRISVANE_TEST_CACHE%");
        RegistryValueOverride shell(kShellFolders, "Cache", REG_SZ, c.shellValue, c.remove);
        EXPECT_EQ(Clean(), std::string(kFirst) + kCompleted) << c.name;
        EXPECT_EQ(Exists(other / "b.htm"), !c.cleansOther) << c.name;
        EXPECT_EQ(Exists(box / "a.htm"), c.cleansOther) << c.name;
    }
    SetEnvironmentVariableA("BRISVANE_TEST_CACHE", nullptr);
}

TEST(NetscapeCacheTest, FilesInUseGetTwoLinesEachAndSubfoldersStay) {
    SandboxFolder profile("nsprofile");
    MakeFolder(profile / "cache");
    MakeFolder(profile / "cache\\sub");
    for (const char* file :
         {"cache\\_CACHE_MAP_", "cache\\A1B2", "cache\\C3D4", "cache\\ro", "cache\\sub\\keep"}) {
        WriteBytes(profile / file, file);
    }
    SetFileAttributesA((profile / "cache\\ro").c_str(), FILE_ATTRIBUTE_READONLY);
    cRegistry registry;
    std::string report;
    {
        HeldOpen map(profile / "cache\\_CACHE_MAP_");
        HeldOpen block(profile / "cache\\C3D4");
        CleanTempInternetFiles(registry, report, "NS", profile.Path());
    }
    EXPECT_EQ(report, std::string(kFirst) + kNetscapeInUse + kNetscapeInUse + kCompleted);
    EXPECT_EQ(Entries(profile / "cache"),
              (std::vector<std::string>{"C3D4", "_CACHE_MAP_", "sub", "sub\\keep"}));
}

TEST(NetscapeCacheTest, NoCacheFolderOrNoProfileGivesTheFirstLineOnly) {
    SandboxFolder profile("nsprofile");
    cRegistry registry;
    for (const std::string& folder : {profile.Path(), std::string()}) {
        std::string report;
        CleanTempInternetFiles(registry, report, "NS", folder);
        EXPECT_EQ(report, kFirst) << folder;
    }
}
