#include <gtest/gtest.h>

#include "FakeUi.h"
#include "app/frmProgress.h"
#include "clean/RunClean.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

// The order, captions, bar and pauses of runs that need no window of their own are tested
// without Windows (tests/native/CleanRunTest.cpp); these cases run them on the real window.
namespace {

// What the progress window showed at one pump or pause of the run.
struct Snapshot {
    std::string kind;
    bool loaded;
    bool visible;
    float max;
    float value;
    std::string caption;
};

class RunCleanTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui.onEvent = [this](const char* kind) {
            if (!progress.IsLoaded()) {
                snapshots.push_back({kind, false, false, 0, 0, ""});
                return;
            }
            snapshots.push_back({kind, true, progress.IsVisible(), progress.Max(), progress.Value(),
                                 progress.Caption()});
        };
    }

    std::vector<float> Values(const char* kind) const {
        std::vector<float> out;
        for (const Snapshot& s : snapshots) {
            if (s.kind == kind) out.push_back(s.value);
        }
        return out;
    }

    FakeUi ui;
    frmProgress progress;
    cRegistry registry;
    cSettings settings;
    std::vector<Snapshot> snapshots;
};

}  // namespace

TEST_F(RunCleanTest, ShownRunStepsTheBarToItsMaximumAtCompleting) {
    settings.SetDisplayProgress(kTrue);
    settings.SetRun(kTrue);
    RunClean(registry, settings, kFalse, progress);

    ASSERT_EQ(snapshots.size(), 6u);  // start pump+pause, item pump+pause, completing pump+pause
    EXPECT_TRUE(snapshots[0].visible);
    EXPECT_EQ(snapshots[0].max, 3.0f);
    EXPECT_EQ(Values("events"), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(snapshots[2].caption, "Brisvane is Currently Cleaning: Run History...");
    EXPECT_EQ(snapshots[4].caption, "Brisvane: Completing...");
    EXPECT_EQ(ui.pauses, (std::vector<DWORD>{1000, 2000, 1000}));
    EXPECT_FALSE(progress.IsLoaded());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RunCleanTest, AllItemsRunInFixedOrderWithTheirCaptions) {
    settings.SetDisplayProgress(kTrue);
    settings.SetRecycleBin(kTrue);
    settings.SetInternetURLHistory(kTrue);
    settings.SetTempInternet(kTrue);
    settings.SetInternetHistory(kTrue);
    settings.SetInternetCookies(kTrue);
    settings.SetTempFiles(kTrue);
    settings.SetFindSearch(kTrue);
    settings.SetDocumentHistory(kTrue);
    settings.SetRun(kTrue);
    settings.SetDefaultBrowser("Unknown Browser");
    RunClean(registry, settings, kFalse, progress);

    std::vector<std::string> captions;
    for (const Snapshot& s : snapshots) {
        if (s.kind == std::string("events")) captions.push_back(s.caption);
    }
    const std::string p = "Brisvane is Currently Cleaning: ";
    EXPECT_EQ(
        captions,
        (std::vector<std::string>{
            "Brisvane is Initialising Clean...", p + "Run History...", p + "Document History...",
            p + "Find/Search History...", p + "Temp Files...", p + "Internet Cookies...",
            p + "Internet History...", p + "Temporary Internet Files...",
            p + "Internet URL History...", p + "Recycle Bin...", "Brisvane: Completing..."}));
    EXPECT_EQ(snapshots.front().max, 11.0f);
    EXPECT_EQ(Values("events").back(), 11.0f);
    EXPECT_EQ(ui.pauses.size(), 11u);
}

TEST_F(RunCleanTest, NoItemWithProgressOnShowsOnlyTheMessage) {
    settings.SetDisplayProgress(kTrue);
    settings.SetReport(kTrue);
    RunClean(registry, settings, kFalse, progress);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No Items selected for Cleaning.");
    EXPECT_EQ(ui.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(ui.messages[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(snapshots.empty());
    EXPECT_TRUE(ui.pauses.empty());
    EXPECT_FALSE(progress.IsLoaded());
}

TEST_F(RunCleanTest, ReportOnAddsTheWritingStepAndItsPause) {
    settings.SetReport(kTrue);
    settings.SetRun(kTrue);
    RunClean(registry, settings, kFalse, progress);
    EXPECT_EQ(ui.pauses, (std::vector<DWORD>{2000, 1000, 2000}));
    EXPECT_EQ(snapshots.back().caption, "Brisvane: Writing Report...");
}

TEST_F(RunCleanTest, NewInstancePerRunIsReleasedAfterTheRun) {
    settings.SetRun(kTrue);
    settings.SetDisplayProgress(kTrue);
    bool sawVisibleWindow = false;
    ui.onEvent = [&](const char*) {
        HWND found = FindWindowExA(nullptr, nullptr, "#32770", nullptr);
        for (; found != nullptr; found = FindWindowExA(nullptr, found, "#32770", nullptr)) {
            char text[128] = {};
            GetDlgItemTextA(found, 201, text, sizeof text);
            if (IsWindowVisible(found) && std::string(text).rfind("Brisvane", 0) == 0) {
                sawVisibleWindow = true;
            }
        }
    };
    RunClean(registry, settings, kFalse);
    EXPECT_TRUE(sawVisibleWindow);
    HWND left = FindWindowExA(nullptr, nullptr, "#32770", nullptr);
    for (; left != nullptr; left = FindWindowExA(nullptr, left, "#32770", nullptr)) {
        char text[128] = {};
        GetDlgItemTextA(left, 201, text, sizeof text);
        EXPECT_NE(std::string(text).rfind("Brisvane", 0), 0u) << "a progress window survived";
    }
}

TEST_F(RunCleanTest, ReportRunsFromStartLineToEndLineWithTwoClockReadsEach) {
    settings.SetRun(kTrue);
    settings.SetRecycleBin(kTrue);
    // Date and time are separate readings: a run that starts on the stroke of midnight shows
    // the date of one reading and the time of the next.
    ui.clock = {ClockTime{2026, 12, 7, 23, 59, 59}, ClockTime{2026, 12, 8, 0, 0, 0},
                ClockTime{2026, 12, 8, 0, 0, 6}, ClockTime{2026, 12, 8, 0, 0, 7}};
    std::string report = RunClean(registry, settings, kFalse, progress);
    EXPECT_EQ(ui.clockReads, 4);
    std::string dec = ui.real.MonthAbbreviation(12);
    EXPECT_EQ(report.substr(0, report.find("\r\n") + 2),
              "START OF CLEANING REPORT: 07-" + dec + "-2026 00:00:00\r\n");
    const std::string end = "END OF CLEANING REPORT: 08-" + dec + "-2026 00:00:07\r\n\r\n";
    ASSERT_GE(report.size(), end.size());
    EXPECT_EQ(report.substr(report.size() - end.size()), end);
}
