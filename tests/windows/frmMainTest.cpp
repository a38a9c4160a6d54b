#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "FakeUi.h"
#include "MainWindowTesting.h"
#include "app/frmMain.h"
#include "app/frmMainIds.h"
#include "app/frmProgressIds.h"
#include "settings/ProgramState.h"

TEST(frmMain, TitleCarriesMajorAndMinorVersion) {
    EXPECT_EQ(frmMain::Title().rfind("Brisvane - Ver ", 0), 0u);
    FakeUi ui;
    Program().automaticMode = false;
    frmMain window;
    window.Load();
    char caption[128] = {};
    GetWindowTextA(window.Handle(), caption, sizeof caption);
    EXPECT_EQ(std::string(caption), frmMain::Title());
    EXPECT_TRUE(window.IsVisible());
}

TEST(frmMain, CleanNowOnTheRealWindowShowsProgressAndEndsNormally) {
    FakeUi ui;
    Program().automaticMode = false;
    frmMain window;
    window.Load();
    ASSERT_TRUE(window.IsLoaded());
    window.Settings().SetDisplayProgress(kTrue);
    window.Settings().SetRun(kTrue);
    window.Settings().SetRecycleBin(kTrue);

    std::vector<BarReading> readings;
    ui.onEvent = [&](const char* kind) {
        if (std::string(kind) != "events") return;
        HWND progress = FindProgressWindow();
        if (progress == nullptr) return;
        readings.push_back(ReadProgressWindow(progress));
    };
    SendMessageA(GetDlgItem(window.Handle(), IDC_CMDCLEAN), BM_CLICK, 0, 0);

    ASSERT_EQ(readings.size(), 4u);
    for (const BarReading& r : readings) {
        EXPECT_TRUE(r.visible);
        EXPECT_EQ(r.max, 4);
    }
    EXPECT_EQ(readings[0].position, 1);
    EXPECT_EQ(readings[1].caption, "Brisvane is Currently Cleaning: Run History...");
    EXPECT_EQ(readings[2].caption, "Brisvane is Currently Cleaning: Recycle Bin...");
    EXPECT_EQ(readings[3].caption, "Brisvane: Completing...");
    EXPECT_EQ(readings[3].position, 4);
    EXPECT_EQ(FindProgressWindow(), nullptr);
    EXPECT_EQ(ui.pointers,
              (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    EXPECT_TRUE(window.IsVisible());
}
