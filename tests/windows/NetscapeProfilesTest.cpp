// Netscape start-up on a sandbox application-data folder with a crafted "registry.dat": the
// profile table and list, the saved profile, the progress window while reading, and the
// profile list's saving.
#include <algorithm>
#include <memory>

#include "FailingRegistryApi.h"
#include "MainWindowTesting.h"
#include "RegistryOverride.h"
#include "Sandbox.h"
#include "app/frmProgressIds.h"
#include "browser/ProfileFolder.h"
#include "files/Win32Path.h"

namespace {

// One entry of the profile registry file, with a little of its binary structure around it.
std::string Entry(const std::string& folder) {
    return std::string("\x01\x00name\x00", 7) + "directory" + std::string("\x00", 1) + folder +
           std::string("\x00\x02\x10", 3);
}

class NetscapeStartUp : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Program().nsProfiles.clear();
        MakeFolder(appData / "Mozilla");
        for (const std::string& folder : {first, second, home}) MakeFolders(folder);
        // A profile whose folder is gone, then two named "work", then "home".
        registryDat = std::string(300, '\x07') + Entry(gone) + Entry(first) +
                      std::string(250, '\x00') + Entry(second) + Entry(home);
        WriteBytes(appData / "Mozilla\\registry.dat", registryDat);
    }
    void TearDown() override {
        Program().nsProfiles.clear();
        MainWindowTest::TearDown();
    }
    HWND List() const { return Control(IDC_CBOPROFILE); }
    void UserPick(int index) {
        SendMessageA(List(), CB_SETCURSEL, index, 0);
        SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CBOPROFILE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List()));
    }
    std::string Selected() const {
        char text[256] = {};
        GetWindowTextA(List(), text, sizeof text);
        return text;
    }

    SandboxFolder appData{"appdata"};
    RegistryOverride appDataValue{HKEY_CURRENT_USER, kShellFolders, "AppData", appData.Path()};
    NetscapeRegistered netscape;
    const std::string gone = appData / "Mozilla\\Profiles\\gone\\g0ne.slt";
    const std::string first = appData / "Mozilla\\Profiles\\work\\a1b2.slt";
    const std::string second = appData / "Old Profiles\\work\\c3d4.slt";
    const std::string home = appData / "Mozilla\\Profiles\\home\\e5f6.slt";
    std::string registryDat;
};

}  // namespace

TEST_F(NetscapeStartUp, ProfilesAreListedAndTheSavedOneSelected) {
    struct Case {
        const char* stored;  // nullptr: no value
        const char* selected;
        const char* storedAfter;
    } cases[] = {
        {"home", "home", "home"}, {"work", "work", "work"},  {"gone", "work", "work"},
        {"Home", "work", "work"}, {nullptr, "work", "work"},  // "default" is not listed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored != nullptr ? c.stored : "(none)");
        ClearStoredSettings();
        Program().nsProfiles.clear();
        if (c.stored != nullptr) Store("DefaultNSProfile", c.stored);
        frmMain started;
        started.Start();
        ASSERT_TRUE(started.IsLoaded());
        EXPECT_EQ(ListEntries(started.Handle(), IDC_CBOPROFILE),
                  (std::vector<std::string>{"work", "work", "home"}));
        EXPECT_EQ(TextOf(started.Handle(), IDC_CBOPROFILE), c.selected);
        EXPECT_EQ(started.Settings().DefaultNSProfile(), c.selected);
        EXPECT_EQ(Stored("DefaultNSProfile"), c.storedAfter);
        EXPECT_EQ(GetNSProfileFolder(started.Settings()),
                  c.selected == std::string("home") ? home : first);
        ASSERT_EQ(Program().nsProfiles.size(), 3u);
        EXPECT_EQ(Program().nsProfiles[1].folder, second);
        EXPECT_TRUE(started.RequestClose());
    }
}

TEST_F(NetscapeStartUp, ProgressWindowShowsTheReadingInChunksOfAHundred) {
    std::vector<BarReading> readings;
    ui.onEvent = [&](const char* kind) {
        HWND progress = FindProgressWindow();
        if (std::string(kind) != "events" || progress == nullptr) return;
        readings.push_back(ReadProgressWindow(progress));
    };
    window.Start();
    const int size = static_cast<int>(registryDat.size());
    const int chunks = (size + 99) / 100;
    ASSERT_EQ(static_cast<int>(readings.size()), chunks + 1);
    for (int i = 0; i <= chunks; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(readings[i].visible);
        EXPECT_EQ(readings[i].caption, "Reading Netscape Profiles...");
        EXPECT_EQ(readings[i].max, size);
        EXPECT_EQ(readings[i].position, 1 + 100 * std::min(i, chunks - 1));
    }
    EXPECT_EQ(FindProgressWindow(), nullptr);
    EXPECT_TRUE(window.IsVisible());
}

TEST_F(NetscapeStartUp, UnreadableOrEmptyFilesLeaveTheListEmptyWithoutAMessage) {
    struct Case {
        const char* what;
        std::string content;  // "<none>": no file
    } cases[] = {
        {"empty file", ""},
        {"no file", "<none>"},
        {"only a folder that is gone", Entry(gone)},
        {"a nameless folder", Entry(first) + Entry("C:\\x.slt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearStoredSettings();
        Program().nsProfiles.clear();
        DeleteFileA((appData / "Mozilla\\registry.dat").c_str());
        if (c.content != "<none>") WriteBytes(appData / "Mozilla\\registry.dat", c.content);
        frmMain started;
        started.Start();
        ASSERT_TRUE(started.IsVisible());
        EXPECT_TRUE(ListEntries(started.Handle(), IDC_CBOPROFILE).empty());
        EXPECT_EQ(FindProgressWindow(), nullptr);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(started.Loading());
        EXPECT_TRUE(started.RequestClose());
    }
}

TEST_F(NetscapeStartUp, APickWhileStartingIsNotSavedOneAfterwardsIs) {
    Store("DefaultNSProfile", "home");
    RecordingRegistryApi api;
    window.UseRegistryApi(api);
    bool picked = false;
    ui.onEvent = [&](const char*) {
        if (picked || !window.Loading()) return;
        picked = true;  // while the file is read, the list holds nothing yet
        SendMessageA(List(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("early"));
        UserPick(0);
    };
    window.Start();
    EXPECT_TRUE(picked) << "no pick while the profiles were read";
    EXPECT_EQ(std::count(api.written.begin(), api.written.end(), "DefaultNSProfile"), 0);
    EXPECT_EQ(Stored("DefaultNSProfile"), "home");
    EXPECT_EQ(Selected(), "home");
    UserPick(0);
    EXPECT_EQ(Stored("DefaultNSProfile"), "work");
    EXPECT_EQ(window.Settings().DefaultNSProfile(), "work");
}
