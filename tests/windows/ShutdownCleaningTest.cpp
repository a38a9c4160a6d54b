// The log-on registration and the shut-down cleaning on the test prefix's own system folder
// and drive C, with the cache and history folders pointed at folders below "C:\Program Files",
// whose short forms Wine mangles.
#include <gtest/gtest.h>

#include "MainWindowTesting.h"
#include "Sandbox.h"
#include "ShutdownFilesGuard.h"
#include "clean/ShutdownCleaning.h"
#include "clean/ShutdownFiles.h"
#include "clean/ShutdownText.h"
#include "files/FileSystem.h"
#include "platform/System.h"
#include "settings/RegistryPaths.h"

namespace {

constexpr const char* kCacheFolder = "C:\\Program Files\\bvcache";
constexpr const char* kHistoryFolder = "C:\\Program Files\\Brisvane History Test";
constexpr const char* kCacheShort = "C:\\PROG~FBU\\bvcache\\";
constexpr const char* kHistoryShort = "C:\\PROG~FBU\\BRIS~WLX\\";
// A folder of the test on drive C, removed with what is in it at the end.
class DriveCFolder {
  public:
    explicit DriveCFolder(std::string path) : path_(std::move(path)) { MakeFolder(path_); }
    ~DriveCFolder() { RemoveFolder(path_, true); }
    DriveCFolder(const DriveCFolder&) = delete;
    DriveCFolder& operator=(const DriveCFolder&) = delete;

  private:
    std::string path_;
};

std::string Script(const std::string& command, const std::string& shortFolder) {
    return "@echo off\r\n" + command + " " + shortFolder + "\r\n";
}

std::string RunValue() {
    RawValue raw = ReadRaw(regpath::kRun, regpath::kRunValue);
    if (!raw.exists) return "<missing>";
    return raw.type == REG_SZ ? std::string(raw.data.begin(), raw.data.end() - 1) : "<not text>";
}

// The Run value a start from this folder writes.
std::string Quoted(const std::string& programFolder) {
    return std::string(1, '"') + programFolder + "\\Brisvane.exe\" 1";
}

std::string FileText(const std::string& path) { return Exists(path) ? ReadBytes(path) : "<none>"; }

const std::string kBothEntries =
    "\r\n[Shutdown]\r\n0CmdLine = del_temp.cmd\r\n0Parameters=\r\n"
    "1CmdLine = del_history.cmd\r\n1Parameters=\r\n";
const std::string kCacheEntry = "\r\n[Shutdown]\r\n0CmdLine = del_temp.cmd\r\n0Parameters=\r\n";
const std::string kHistoryEntry =
    "\r\n[Shutdown]\r\n0CmdLine = del_history.cmd\r\n0Parameters=\r\n";

class ShutdownCleaning : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = Program();
        Program().windowsNT = true;
        Program().automaticMode = false;
        Program().interactiveCache = false;
        Program().interactiveHistory = false;
    }
    void TearDown() override { Program() = saved_; }

    void Want(Boolean startUp, Boolean shutDown, Boolean cache, Boolean history) {
        settings.SetCleanAtStartUp(startUp);
        settings.SetCleanAtShutDown(shutDown);
        settings.SetTempInternet(cache);
        settings.SetInternetHistory(history);
    }

    ShutdownFilesGuard guard;
    DriveCFolder cacheFolder{kCacheFolder};
    DriveCFolder historyFolder{kHistoryFolder};
    ShellFolderRedirect cache{"Cache", kCacheFolder};
    ShellFolderRedirect history{"History", kHistoryFolder};
    cRegistry registry;
    cSettings settings;
    ProgramState saved_;
};

}  // namespace

TEST_F(ShutdownCleaning, NtScriptsIniFollowsTheOptionsAndTheInteractiveCleans) {
    struct Case {
        const char* name;
        Boolean startUp, shutDown, cache, history;
        bool interactiveCache, interactiveHistory;
        std::string scriptsIni;
    };
    const Case cases[] = {
        {"both wanted", kFalse, kTrue, kTrue, kTrue, false, false, kBothEntries},
        {"history alone", kFalse, kTrue, kFalse, kTrue, false, false, kHistoryEntry},
        {"neither wanted", kFalse, kFalse, kTrue, kTrue, false, false, "<none>"},
        {"at start-up only", kTrue, kFalse, kTrue, kFalse, false, false, kCacheEntry},
        {"interactive history", kFalse, kFalse, kFalse, kFalse, false, true, kHistoryEntry},
        {"interactive cache", kFalse, kFalse, kFalse, kTrue, true, false, kCacheEntry},
    };
    PrepareShutdownScripts(registry);
    EXPECT_EQ(FileText(DelTempCmdPath()), Script("rd /s/q", kCacheShort));
    EXPECT_EQ(FileText(DelHistoryCmdPath()), Script("rd /s/q", kHistoryShort));
    for (const Case& c : cases) {
        WriteBytes(ScriptsIniPath(), "last exit's");
        Want(c.startUp, c.shutDown, c.cache, c.history);
        Program().interactiveCache = c.interactiveCache;
        Program().interactiveHistory = c.interactiveHistory;
        InstallShutdownCleaning(settings, registry);
        EXPECT_EQ(FileText(ScriptsIniPath()), c.scriptsIni) << c.name;
    }
}

TEST_F(ShutdownCleaning, NtCommandFilesAreKeptOnceWrittenAndNeverNameAFolderWithoutShortForm) {
    struct Case {
        const char* history;
        std::string scriptsIni;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Brisvane No Such Folder", kCacheEntry},
        {"C:\\", kCacheEntry},
        {"", kCacheEntry},
        {kHistoryFolder, kBothEntries},
    };
    Want(kFalse, kTrue, kTrue, kTrue);
    PrepareShutdownScripts(registry);
    WriteBytes(DelTempCmdPath(), "the user's own");
    RemoveFile(DelHistoryCmdPath(), true);
    for (const Case& c : cases) {
        ShellFolderRedirect moved("History", c.history);
        PrepareShutdownScripts(registry);
        InstallShutdownCleaning(settings, registry);
        EXPECT_EQ(FileText(DelTempCmdPath()), "the user's own") << c.history;
        EXPECT_EQ(FileText(DelHistoryCmdPath()),
                  c.scriptsIni == kBothEntries ? Script("rd /s/q", kHistoryShort) : "<none>")
            << c.history;
        EXPECT_EQ(FileText(ScriptsIniPath()), c.scriptsIni) << c.history;
    }
}

TEST_F(ShutdownCleaning, EveryStartWritesTheQuotedRunValueAndRecordsItInTheLogOnce) {
    SandboxFolder withLog("program-with-log"), withoutLog("program-without-log");
    const std::string log = withLog / "ST6UNST.LOG";
    WriteBytes(log, "ACTION: File\r\n");
    const std::string lines =
        " %% Modified by Brisvane %%\r\nACTION: RegValue: "
        "\"HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run\", \"clean\"\r\n";
    for (bool automatic : {false, true}) {
        Program().automaticMode = automatic;
        RegisterStartUp(registry, withLog.Path());
        EXPECT_EQ(RunValue(), Quoted(withLog.Path()));
        EXPECT_EQ(ReadBytes(log), "ACTION: File\r\n" + lines);
    }
    // No log: nothing to record, but the Run value, the preparation and the undo still happen.
    RemoveFile(DelTempCmdPath(), true);
    WriteBytes(ScriptsIniPath(), "last exit's");
    RegisterStartUp(registry, withoutLog.Path());
    EXPECT_EQ(RunValue(), Quoted(withoutLog.Path()));
    EXPECT_FALSE(Exists(withoutLog / "ST6UNST.LOG"));
    EXPECT_EQ(FileText(DelTempCmdPath()), Script("rd /s/q", kCacheShort));
    EXPECT_FALSE(Exists(ScriptsIniPath())) << "the automatic start removes scripts.ini";
}

TEST_F(ShutdownCleaning, NineXBacksUpAutoexecOnceAndTheAutomaticStartUndoes) {
    Program().windowsNT = false;
    const std::string own = "@echo off\r\nSET PATH=C:\\DOS";  // no line end at its end
    WriteBytes(kAutoexecBat, own);
    Want(kFalse, kTrue, kTrue, kTrue);
    const std::string installed = own + "\r\n@echo off\r\nc:\\del_temp.bat\r\nc:\\del_hist.bat\r\n";
    for (int exit = 1; exit <= 2; ++exit) {  // the second before any automatic start
        InstallShutdownCleaning(settings, registry);
        EXPECT_EQ(FileText(kAutoexecBat), installed) << exit;
        EXPECT_EQ(FileText(kAutoexecCln), own) << exit;
        EXPECT_EQ(FileText(kDelTempBat), Script("deltree /Y", kCacheShort)) << exit;
        EXPECT_EQ(FileText(kDelHistBat), Script("deltree /Y", kHistoryShort)) << exit;
    }
    Program().automaticMode = true;
    PrepareShutdownScripts(registry);
    EXPECT_EQ(FileText(kAutoexecBat), own);
    for (const char* gone : {kAutoexecCln, kDelTempBat, kDelHistBat}) EXPECT_FALSE(Exists(gone));
    EXPECT_FALSE(Exists(ScriptsIniPath())) << "nothing of the NT family";
}

// The main window on the test prefix, with the cache folder pointed at a folder of the test.
class ShutdownClosing : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Program().windowsNT = true;
    }
    void TearDown() override {
        Program().windowsNT = false;
        MainWindowTest::TearDown();
    }

    ShutdownFilesGuard guard;
    DriveCFolder cacheFolder{kCacheFolder};
    ShellFolderRedirect cache{"Cache", kCacheFolder};
};

TEST_F(ShutdownClosing, ClosingInstallsTheWantedScriptsUnlessTheBrowserIsNetscape) {
    window.Start();
    EXPECT_EQ(RunValue(), Quoted(ProgramFolder()));
    window.Settings().SetCleanAtShutDown(kTrue);
    window.Settings().SetTempInternet(kTrue);
    ASSERT_TRUE(window.RequestClose());
    EXPECT_EQ(FileText(ScriptsIniPath()), kCacheEntry);

    frmMain netscape;
    netscape.Start();
    netscape.Settings().SetDefaultBrowser("NS");
    WriteBytes(ScriptsIniPath(), "last exit's");
    ASSERT_TRUE(netscape.RequestClose());
    EXPECT_EQ(FileText(ScriptsIniPath()), "last exit's");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ShutdownClosing, AFailedInstallIsToldOnceAndNeverAtTheEndOfASession) {
    for (const std::string& folder : GroupPolicyFolders()) {
        if (!FolderExists(folder)) MakeFolder(folder);
    }
    WriteBytes(ScriptsIniPath(), "held by another program");
    HeldOpen held(ScriptsIniPath());
    window.Start();
    ASSERT_TRUE(window.RequestClose());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_NE(ui.messages[0].text.find("Permission denied"), std::string::npos);

    frmMain ending;
    ending.Start();
    SendMessageA(ending.Handle(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_FALSE(ending.IsLoaded());
    EXPECT_EQ(ui.messages.size(), 1u);
}
