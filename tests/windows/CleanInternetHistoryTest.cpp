#include <gtest/gtest.h>

#include "RegistryTestKey.h"
#include "RegistryValueOverride.h"
#include "Sandbox.h"
#include "UrlCacheTesting.h"
#include "clean/InternetCleaning.h"
#include "files/FileSystem.h"
#include "platform/System.h"
#include "settings/ProgramState.h"
#include "settings/cRegistry.h"

namespace {

constexpr const char* kHistory = "Cleaning Internet History\r\n";
constexpr const char* kUrlHistory = "Cleaning Internet URL History\r\n";
constexpr const char* kCompleted = "Completed\r\n";
constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

std::string History(const std::string& browser, const std::string& folder) {
    std::string report;
    CleanInternetHistory(report, browser, folder);
    return report;
}

std::string UrlHistory(const std::string& browser, const std::string& folder) {
    cRegistry registry;
    std::string report;
    CleanURLHistory(registry, report, browser, folder);
    return report;
}

FILETIME WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// Dates a file back to 1 January 2001, so a rewrite would show.
void MakeOld(const std::string& path) {
    SYSTEMTIME old{2001, 1, 1, 1, 12, 0, 0, 0};
    FILETIME time{};
    SystemTimeToFileTime(&old, &time);
    HANDLE h =
        CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, nullptr, &time);
    CloseHandle(h);
}

bool SameTime(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

std::vector<std::string> TypedUrlNames() {
    cRegistry registry;
    registry.SetClassKey(hkey::kCurrentUser);
    registry.SetSectionKey(kTypedUrls);
    std::vector<std::string> names;
    std::int32_t count = 0;
    registry.EnumerateValues(names, count);
    return std::vector<std::string>(names.begin() + (names.empty() ? 0 : 1), names.end());
}

}  // namespace

TEST(NetscapeHistoryTest, HistoryFileIsDeletedUnlessItCannotBe) {
    struct Case {
        const char* name;
        bool present, readOnly, held;
        bool completed, left;
    } cases[] = {
        {"present", true, false, false, true, false},
        {"absent", false, false, false, true, false},
        {"read-only", true, true, false, false, true},
        {"in use", true, false, true, false, true},
    };
    for (const Case& c : cases) {
        SandboxFolder profile("nshistory");
        const std::string file = profile / "history.dat";
        if (c.present) WriteBytes(file, "// <!-- <mdb:mork:z v=\"1.4\"/> -->");
        if (c.readOnly) SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
        std::string report;
        if (c.held) {
            HeldOpen held(file);
            report = History("NS", profile.Path());
        } else {
            report = History("NS", profile.Path());
        }
        EXPECT_EQ(report, kHistory + std::string(c.completed ? kCompleted : "")) << c.name;
        EXPECT_EQ(Exists(file), c.left) << c.name;
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(NetscapeHistoryTest, LocalStoreLosesItsMarkerLinesOnlyWhenItHasSome) {
    SandboxFolder profile("nslocalstore");
    const std::string file = profile / "localstore.rdf";
    struct Case {
        const char* name;
        std::string before, after;
        bool readOnly = false;
    } cases[] = {
        {"no marker: untouched, LF ends kept", "<?xml?>\n<RDF:RDF>\n</RDF:RDF>\n",
         "<?xml?>\n<RDF:RDF>\n</RDF:RDF>\n"},
        {"read-only with a marker: rewritten all the same", "<RDF:li>x\nkeep", "keep\r\n", true},
        {"markers: their lines go, CR LF after",
         "<RDF:Seq>\n<RDF:li>http://typed/</RDF:li>\n  x <RDF:li>y</RDF:li>\n"
         "<RDF:li resource=\"z\"/>\n</RDF:Seq>",
         "<RDF:Seq>\r\n<RDF:li resource=\"z\"/>\r\n</RDF:Seq>\r\n"},
    };
    for (const Case& c : cases) {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteBytes(file, c.before);
        MakeOld(file);
        if (c.readOnly) SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
        const FILETIME before = WriteTime(file);
        EXPECT_EQ(UrlHistory("NS", profile.Path()), kUrlHistory + std::string(kCompleted))
            << c.name;
        EXPECT_EQ(ReadBytes(file), c.after) << c.name;
        EXPECT_EQ(SameTime(WriteTime(file), before), c.before == c.after) << c.name;
        EXPECT_EQ(GetFolder(profile.Path()).Files().size(), 1u) << c.name;  // nothing beside it
    }
}

TEST(NetscapeHistoryTest, MissingOrLockedLocalStoreEndsTheBlock) {
    SandboxFolder profile("nslocalstore");
    EXPECT_EQ(UrlHistory("NS", profile.Path()), kUrlHistory);
    const std::string file = profile / "localstore.rdf";
    WriteBytes(file, "<RDF:li>x</RDF:li>\n");
    {
        HeldOpen held(file);
        EXPECT_EQ(UrlHistory("NS", profile.Path()), kUrlHistory);
    }
    EXPECT_EQ(ReadBytes(file), "<RDF:li>x</RDF:li>\n");
}

TEST(UnknownBrowserTest, TakesTheNetscapeBranchWithoutAProfileAndTouchesNoRootFile) {
    for (const char* browser : {"Unknown Browser", "ie"}) {
        EXPECT_EQ(History(browser, ""), kHistory + std::string(kCompleted)) << browser;
        EXPECT_EQ(UrlHistory(browser, ""), kUrlHistory) << browser;
    }
}

TEST(TypedUrlsTest, KeyIsEmptiedWhenPresentAndTheBlockEndsWhenAbsent) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTypedUrls);
    EXPECT_EQ(UrlHistory("IE", ""), kUrlHistory);
    EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, kTypedUrls));

    WriteRaw(kTypedUrls, "url1", REG_SZ, SzBytes("http://a.test/"));
    WriteRaw(kTypedUrls, "url2", REG_SZ, SzBytes("b.test"));
    EXPECT_EQ(UrlHistory("IE", ""), kUrlHistory + std::string(kCompleted));
    EXPECT_TRUE(RawKeyExists(HKEY_CURRENT_USER, kTypedUrls));
    EXPECT_TRUE(TypedUrlNames().empty());
    RegDeleteTreeA(HKEY_CURRENT_USER, kTypedUrls);
}

TEST(HistoryLibraryTest, ClearHistoryRemovesVisitsAndKeepsContent) {
    SandboxFolder cache("history-cache");
    CacheRedirect redirect(cache.Path());
    UrlCache urls;
    const std::string content = "http://brisvane.test/content.htm";
    ASSERT_TRUE(urls.AddContent(content));
    for (const char* url : {"http://brisvane.test/a", "http://brisvane.test/b?q=1"}) {
        ASSERT_TRUE(urls.AddVisit(url)) << GetLastError();
        ASSERT_TRUE(urls.Has(UrlCache::VisitName(url)));
    }

    EXPECT_EQ(History("IE", ""), kHistory + std::string(kCompleted));
    for (const char* url : {"http://brisvane.test/a", "http://brisvane.test/b?q=1"}) {
        EXPECT_FALSE(urls.Has(UrlCache::VisitName(url))) << url;
    }
    EXPECT_TRUE(urls.Has(content));
    urls.Remove(content);
}

namespace {

constexpr const char* kChildReport = "BRISVANE_HISTORY_CHILD_REPORT";

// Runs this test program from `exe` in `folder` as the current folder, with `pathFolder` first
// on PATH, and the environment variable that makes the test below the child's work.
DWORD RunChild(const std::string& exe, const std::string& folder, const std::string& pathFolder,
               const std::string& reportFile) {
    char path[32768] = {};
    GetEnvironmentVariableA("PATH", path, sizeof path);
    const std::string oldPath = path;
    SetEnvironmentVariableA("PATH", (pathFolder + ";" + oldPath).c_str());
    SetEnvironmentVariableA(kChildReport, reportFile.c_str());
    std::string command =
        "\"" + exe + "\" --gtest_filter=HistoryLibraryTest.MissingLibraryEndsTheBlock";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  folder.c_str(), &startup, &process);
    SetEnvironmentVariableA(kChildReport, nullptr);
    SetEnvironmentVariableA("PATH", oldPath.c_str());
    if (!started) return GetLastError();
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

}  // namespace

// A copy of this program in a folder without Brisvane.dll, with copies of the library in its
// current folder and on PATH: the call fails, the block has no "Completed", and the planted
// copies never run (the visit stays).
TEST(HistoryLibraryTest, MissingLibraryEndsTheBlock) {
    char reportFile[MAX_PATH] = {};
    if (GetEnvironmentVariableA(kChildReport, reportFile, MAX_PATH) > 0) {
        WriteBytes(reportFile, History("IE", ""));
        return;
    }
    SandboxFolder program("history-program"), current("history-current"), onPath("history-path");
    SandboxFolder cache("history-cache");
    CacheRedirect redirect(cache.Path());
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string library = ProgramFolder() + "\\Brisvane.dll";
    ASSERT_TRUE(CopyFileA(self, (program / "tests.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(library.c_str(), (current / "Brisvane.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(library.c_str(), (onPath / "Brisvane.dll").c_str(), FALSE));
    UrlCache urls;
    const std::string visit = UrlCache::VisitName("http://brisvane.test/kept");
    ASSERT_TRUE(urls.AddVisit("http://brisvane.test/kept"));

    EXPECT_EQ(RunChild(program / "tests.exe", current.Path(), onPath.Path(), program / "r.txt"),
              0u);
    EXPECT_EQ(ReadBytes(program / "r.txt"), kHistory);
    EXPECT_TRUE(urls.Has(visit));
    urls.Remove(visit);
}

TEST(InteractiveFlagsTest, SetOnlyByAnInteractiveInternetExplorerClean) {
    SandboxFolder cache("flags-cache");
    CacheRedirect redirect(cache.Path());
    struct Case {
        bool automatic;
        const char* browser;
        bool flags;
    } cases[] = {{false, "IE", true}, {true, "IE", false}, {false, "NS", false}};
    for (const Case& c : cases) {
        Program().interactiveHistory = Program().interactiveCache = false;
        Program().automaticMode = c.automatic;
        cRegistry registry;
        std::string report;
        CleanInternetHistory(report, c.browser, "");
        EXPECT_EQ(Program().interactiveHistory, c.flags) << c.automatic << c.browser;
        CleanTempInternetFiles(registry, report, c.browser, "");
        EXPECT_EQ(Program().interactiveCache, c.flags) << c.automatic << c.browser;
    }
    Program().interactiveHistory = Program().interactiveCache = Program().automaticMode = false;
}
