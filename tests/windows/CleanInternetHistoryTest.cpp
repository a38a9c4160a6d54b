#include <gtest/gtest.h>

#include <optional>

#include "RegistrySandbox.h"
#include "Sandbox.h"
#include "UrlCacheTesting.h"
#include "clean/InternetCleaning.h"
#include "files/FileSystem.h"
#include "files/Win32Path.h"
#include "platform/System.h"
#include "settings/ProgramState.h"
#include "settings/cRegistry.h"

namespace {

const std::string kHistory = "Cleaning Internet History\r\n";
const std::string kUrlHistory = "Cleaning Internet URL History\r\n";
const std::string kCompleted = "Completed\r\n";
constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

std::string History(const std::string& browser, const std::string& folder = "") {
    std::string report;
    CleanInternetHistory(report, browser, folder);
    return report;
}

std::string UrlHistory(const std::string& browser, const std::string& folder = "") {
    cRegistry registry;
    std::string report;
    CleanURLHistory(registry, report, browser, folder);
    return report;
}

// The file's last-write time; with `old` first dated back to 2001, so that a rewrite shows.
ULONGLONG WriteTime(const std::string& path, bool old = false) {
    FILETIME time{0xC89DC000u, 0x01C07385u};  // 1 January 2001
    HANDLE h = PathCreateFile(path, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, 0, OPEN_EXISTING);
    if (old) SetFileTime(h, nullptr, nullptr, &time);
    GetFileTime(h, nullptr, nullptr, &time);
    CloseHandle(h);
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

}  // namespace

TEST(NetscapeHistoryTest, HistoryFileIsDeletedUnlessItCannotBe) {
    struct Case {
        const char* name;
        bool present, readOnly, held, completed;
    } cases[] = {{"present", true, false, false, true},
                 {"absent", false, false, false, true},
                 {"read-only", true, true, false, false},
                 {"in use", true, false, true, false}};
    for (const Case& c : cases) {
        SandboxFolder profile("nshistory");
        const std::string file = profile / "history.dat";
        if (c.present) WriteBytes(file, "// <!-- <mdb:mork:z v=\"1.4\"/> -->");
        if (c.readOnly) SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
        std::optional<HeldOpen> held;
        if (c.held) held.emplace(file);
        EXPECT_EQ(History("NS", profile.Path()), kHistory + (c.completed ? kCompleted : ""))
            << c.name;
        held.reset();
        EXPECT_EQ(Exists(file), !c.completed) << c.name;
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(NetscapeHistoryTest, LocalStoreLosesItsMarkerLinesOnlyWhenItHasSome) {
    SandboxFolder profile("nslocalstore");
    const std::string file = profile / "localstore.rdf";
    EXPECT_EQ(UrlHistory("NS", profile.Path()), kUrlHistory);  // no file
    struct Case {
        std::string before, after;
        bool readOnly = false, held = false;
    } cases[] = {
        {"<?xml?>\n<RDF:RDF>\n<RDF:li resource=\"z\"/>\n</RDF:RDF>\n",
         "<?xml?>\n<RDF:RDF>\n<RDF:li resource=\"z\"/>\n</RDF:RDF>\n"},
        {"<RDF:Seq>\n<RDF:li>http://typed/</RDF:li>\n x <RDF:li>y</RDF:li>\n</RDF:Seq>",
         "<RDF:Seq>\r\n</RDF:Seq>\r\n"},
        {"<RDF:li>x\nkeep", "keep\r\n", true},
        {"<RDF:li>x\n", "<RDF:li>x\n", false, true},
    };
    for (const Case& c : cases) {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteBytes(file, c.before);
        const ULONGLONG before = WriteTime(file, true);
        if (c.readOnly) SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
        std::optional<HeldOpen> held;
        if (c.held) held.emplace(file);
        EXPECT_EQ(UrlHistory("NS", profile.Path()), kUrlHistory + (c.held ? "" : kCompleted))
            << c.before;
        held.reset();
        EXPECT_EQ(ReadBytes(file), c.after) << c.before;
        EXPECT_EQ(WriteTime(file) == before, c.before == c.after) << c.before;
        EXPECT_EQ(GetFolder(profile.Path()).Files().size(), 1u) << c.before;  // nothing beside
    }
}

TEST(UnknownBrowserTest, TakesTheNetscapeBranchWithoutAProfile) {
    for (const char* browser : {"Unknown Browser", "ie"}) {
        EXPECT_EQ(History(browser), kHistory + kCompleted) << browser;
        EXPECT_EQ(UrlHistory(browser), kUrlHistory) << browser;
    }
}

TEST(TypedUrlsTest, KeyIsEmptiedWhenPresentAndTheBlockEndsWhenAbsent) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTypedUrls);
    EXPECT_EQ(UrlHistory("IE"), kUrlHistory);
    EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, kTypedUrls));
    WriteRaw(kTypedUrls, "url1", REG_SZ, SzBytes("http://a.test/"));
    WriteRaw(kTypedUrls, "url2", REG_SZ, SzBytes("b.test"));
    EXPECT_EQ(UrlHistory("IE"), kUrlHistory + kCompleted);
    DWORD values = 99;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTypedUrls, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(values, 0u);
    RegDeleteTreeA(HKEY_CURRENT_USER, kTypedUrls);
}

TEST(HistoryLibraryTest, ClearHistoryRemovesVisitsKeepsContentAndSetsTheFlagOnlyWhenInteractive) {
    SandboxFolder cache("history-cache");
    CacheRedirect redirect(cache.Path());
    UrlCache urls;
    const std::string content = "http://brisvane.test/content.htm";
    ASSERT_TRUE(urls.Add(content, true));
    struct Case {
        bool automatic;
        const char* browser;
        bool cleared;
    } cases[] = {{true, "IE", true}, {false, "NS", false}, {false, "IE", true}};
    for (const Case& c : cases) {
        for (const char* url : {"http://brisvane.test/a", "http://brisvane.test/b?q=1"}) {
            ASSERT_TRUE(urls.Add(url));
        }
        Program().interactiveHistory = Program().interactiveCache = false;
        Program().automaticMode = c.automatic;
        cRegistry registry;
        std::string report;
        CleanInternetHistory(report, c.browser, "");
        CleanTempInternetFiles(registry, report, c.browser, "");
        EXPECT_EQ(report.substr(0, kHistory.size() + kCompleted.size()), kHistory + kCompleted);
        const bool interactive = c.cleared && !c.automatic;
        EXPECT_EQ(Program().interactiveHistory, interactive) << c.automatic << c.browser;
        EXPECT_EQ(Program().interactiveCache, interactive) << c.automatic << c.browser;
        EXPECT_EQ(urls.Has(UrlCache::Visit("http://brisvane.test/a")), !c.cleared) << c.browser;
        EXPECT_EQ(urls.Has(UrlCache::Visit("http://brisvane.test/b?q=1")), !c.cleared);
        EXPECT_TRUE(urls.Has(content));
    }
    Program().interactiveHistory = Program().interactiveCache = Program().automaticMode = false;
    urls.Remove(content);
}

// A copy of this program in a folder without Brisvane.dll, with copies of the library in its
// current folder and on PATH: the call fails, the block has no "Completed", and the planted
// copies never run (the visit stays).
TEST(HistoryLibraryTest, MissingFromTheProgramFolderEndsTheBlock) {
    constexpr const char* kChild = "BRISVANE_HISTORY_CHILD_REPORT";
    char reportFile[MAX_PATH] = {};
    if (GetEnvironmentVariableA(kChild, reportFile, MAX_PATH) > 0) {
        return WriteBytes(reportFile, History("IE"));
    }
    SandboxFolder program("history-program"), current("history-current"), onPath("history-path");
    SandboxFolder cache("history-cache");
    CacheRedirect redirect(cache.Path());
    char self[MAX_PATH] = {}, path[32768] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    GetEnvironmentVariableA("PATH", path, sizeof path);
    const std::string library = ProgramFolder() + "\\Brisvane.dll", exe = program / "t.exe";
    ASSERT_TRUE(CopyFileA(self, exe.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(library.c_str(), (current / "Brisvane.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(library.c_str(), (onPath / "Brisvane.dll").c_str(), FALSE));
    UrlCache urls;
    ASSERT_TRUE(urls.Add("http://brisvane.test/kept"));

    SetEnvironmentVariableA("PATH", (onPath.Path() + ";" + path).c_str());
    SetEnvironmentVariableA(kChild, (program / "r.txt").c_str());
    std::string command = "\"" + exe + "\" --gtest_filter=" +
                          testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() +
                          "." + testing::UnitTest::GetInstance()->current_test_info()->name();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    const BOOL started = CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, current.Path().c_str(), &startup, &child);
    SetEnvironmentVariableA(kChild, nullptr);
    SetEnvironmentVariableA("PATH", path);
    ASSERT_TRUE(started) << GetLastError();
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(ReadBytes(program / "r.txt"), kHistory);
    EXPECT_TRUE(urls.Has(UrlCache::Visit("http://brisvane.test/kept")));
    urls.Remove(UrlCache::Visit("http://brisvane.test/kept"));
}
