// The decisions of a clean run and of the report blocks, without Windows: which items run in
// which order, the captions, the bar, the pauses, the message, the report text, and what a
// failure leaves in a block.
#include <gtest/gtest.h>

#include <stdexcept>

#include "clean/CleanRun.h"
#include "platform/AppError.h"
#include "platform/Progress.h"

namespace {

// Records every call of the run as one entry of `log`.
class RecordingRun : public IProgress, public ICleanRunHost {
  public:
    std::vector<std::string> log;
    int clockReads = 0;

    void Show() override { log.push_back("show"); }
    void Unload() override { log.push_back("unload"); }
    float Max() override { return max_; }
    void SetMax(float max) override { max_ = max, log.push_back("max " + Number(max)); }
    float Value() override { return value_; }
    void SetValue(float value) override { value_ = value, log.push_back("value " + Number(value)); }
    void SetCaption(const std::string& caption) override { log.push_back(caption); }

    void DoEvents() override { log.push_back("events"); }
    void Pause(unsigned milliseconds) override {
        log.push_back("pause " + std::to_string(milliseconds));
    }
    std::string Date() override { return "D" + std::to_string(++clockReads); }
    std::string Time() override { return "T" + std::to_string(++clockReads); }
    void Tell(const std::string& message) override { log.push_back("tell " + message); }
    void Clean(const CleanItemInfo& item, std::string& report) override {
        log.push_back(std::string("clean ") + item.title);
        report += ReportLine(item.title);
    }
    std::vector<PreviewRow> Find(const CleanItemInfo& item) override {
        log.push_back(std::string("find ") + item.title);
        return {PreviewRow{item.title, {}}};
    }
    void WriteReport(const std::string&) override { log.push_back("write"); }

  private:
    static std::string Number(float n) { return std::to_string(static_cast<int>(n)); }
    float max_ = 100.0f;
    float value_ = 0.0f;
};

std::string Caption(const char* item) { return std::string(kProgressPrefix) + item; }

// A run's settings ("display", "quiet", "report" and the items' setters) and its calls, in
// order, separated by "; ".
struct RunCase {
    const char* name;
    std::string options;
    std::vector<void (cSettings::*)(Boolean)> select;
    std::string log;
};

#define RUN_HISTORY \
    "Brisvane is Currently Cleaning: Run History...; events; clean Cleaning Run History"
#define COMPLETING "Brisvane: Completing...; events; pause 1000"

const RunCase kRunCases[] = {
    {"ShownRunStartsTheBarAtOneOfCountPlusTwo",
     "display",
     {&cSettings::SetRun},
     "max 3; show; value 1; events; pause 1000; value 2; " RUN_HISTORY
     "; pause 2000; value 3; " COMPLETING "; unload"},
    {"HiddenRunNeverShowsNorSetsTheMaximum",
     "",
     {&cSettings::SetTempFiles, &cSettings::SetRecycleBin},
     "value 1; Brisvane is Currently Cleaning: Temp Files...; events; clean Cleaning Temp Files; "
     "pause 2000; value 2; Brisvane is Currently Cleaning: Recycle Bin...; events; "
     "clean Cleaning Recycle Bin; pause 2000; value 3; " COMPLETING "; unload"},
    {"QuietRunNeverShowsEvenWithProgressOn",
     "display quiet",
     {&cSettings::SetRun},
     "value 1; " RUN_HISTORY "; pause 2000; value 2; " COMPLETING "; unload"},
    {"ReportIsWrittenAfterCompletingAndBeforeUnloading",
     "report",
     {&cSettings::SetRun},
     "value 1; " RUN_HISTORY "; pause 2000; value 2; " COMPLETING "; write; unload"},
    {"NoItemWithProgressShownTellsOnlyThat",
     "display report",
     {},
     "tell No Items selected for Cleaning."},
    {"NoItemWithProgressOffDoesNothing", "report", {}, ""},
    {"NoItemInAQuietRunDoesNothing", "display quiet report", {}, ""},
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class CleanRunSteps : public ::testing::TestWithParam<RunCase> {};

}  // namespace

TEST_P(CleanRunSteps, StepsInOrder) {
    const RunCase& c = GetParam();
    auto on = [&](const char* option) { return c.options.find(option) != std::string::npos; };
    cSettings settings;
    settings.SetDisplayProgress(on("display") ? kTrue : kFalse);
    settings.SetReport(on("report") ? kTrue : kFalse);
    for (auto set : c.select) (settings.*set)(kTrue);
    RecordingRun run;
    const std::string report = RunCleanSteps(settings, on("quiet") ? kTrue : kFalse, run, run);
    std::string log;
    for (const std::string& entry : run.log) log += (log.empty() ? "" : "; ") + entry;
    EXPECT_EQ(log, c.log);
    EXPECT_EQ(report.empty(), c.select.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, CleanRunSteps, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CleanRun, EveryItemRunsInTheTablesOrderBetweenTheStartAndEndLines) {
    cSettings s;
    s.SetRecycleBin(kTrue), s.SetInternetURLHistory(kTrue), s.SetTempInternet(kTrue);
    s.SetInternetHistory(kTrue), s.SetInternetCookies(kTrue), s.SetTempFiles(kTrue);
    s.SetFindSearch(kTrue), s.SetDocumentHistory(kTrue), s.SetRun(kTrue);
    s.SetOtherBrowsers(kTrue), s.SetExplorerHistory(kTrue), s.SetDisplayProgress(kTrue);
    RecordingRun run;
    const std::string report = RunCleanSteps(s, kFalse, run, run);
    EXPECT_EQ(run.log[0], "max 13");
    EXPECT_EQ(run.log[run.log.size() - 5], "value 13");
    const char* titles[] = {"Run History",          "Document History",
                            "Find/Search History",  "Explorer History",
                            "Temp Files",           "Internet Cookies",
                            "Internet History",     "Temporary Internet Files",
                            "Internet URL History", "Other Browsers",
                            "Recycle Bin"};
    std::string blocks;
    std::vector<std::string> captions, shown;
    for (const char* title : titles) {
        blocks += std::string("Cleaning ") + title + "\r\n";
        captions.push_back(Caption("Cleaning: ") + title + "...");
    }
    for (const std::string& entry : run.log) {
        if (entry.starts_with(kProgressPrefix)) shown.push_back(entry);
    }
    EXPECT_EQ(shown, captions);
    // Date and time of each line are separate readings of the clock.
    EXPECT_EQ(report, "START OF CLEANING REPORT: D1 T2\r\n" + blocks +
                          "END OF CLEANING REPORT: D3 T4\r\n\r\n");
}

TEST(ReportBlock, EachFailureRuleOnEachOutcome) {
    using Body = std::function<bool()>;
    const Body cleaned = [] { return true; };
    const Body partly = [] { return false; };
    const Body appError = []() -> bool { throw AppError(76, "x", "Path not found"); };
    const Body other = []() -> bool { throw std::runtime_error("other failure"); };
    const std::string head = "Cleaning X\r\n", done = "Completed\r\n";
    const struct {
        FailureRule rule;
        const Body& body;
        std::string tail;
    } cases[] = {
        {FailureRule::kCompletedAnyway, cleaned, done},
        {FailureRule::kCompletedAnyway, appError, done},
        {FailureRule::kCompletedAnyway, other, done},
        {FailureRule::kErrorLine, cleaned, done},
        {FailureRule::kErrorLine, partly, ""},
        {FailureRule::kErrorLine, appError, "Error: Path not found\r\n"},
        {FailureRule::kErrorLine, other, "Error: other failure\r\n"},
        {FailureRule::kSilent, cleaned, done},
        {FailureRule::kSilent, partly, ""},
        {FailureRule::kSilent, appError, ""},
        {FailureRule::kSilent, other, ""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::string report = "before\r\n";
        WriteReportBlock(report, "Cleaning X", cases[i].rule, cases[i].body);
        EXPECT_EQ(report, "before\r\n" + head + cases[i].tail) << i;
    }
}

TEST(ReportBlock, EachItemHasItsTitleAndFailureRule) {
    using R = FailureRule;
    const std::pair<const char*, FailureRule> expected[] = {
        {"Cleaning Run History", R::kCompletedAnyway},
        {"Cleaning Document History", R::kErrorLine},
        {"Cleaning Find/Search History", R::kErrorLine},
        {"Cleaning Explorer History", R::kErrorLine},
        {"Cleaning Temp Files", R::kErrorLine},
        {"Cleaning Internet Cookies", R::kSilent},
        {"Cleaning Internet History", R::kSilent},
        {"Cleaning Temporary Internet Files", R::kSilent},
        {"Cleaning Internet URL History", R::kSilent},
        {"Cleaning Other Browsers", R::kErrorLine},
        {"Cleaning Recycle Bin", R::kErrorLine},
    };
    ASSERT_EQ(kCleanItems.size(), std::size(expected));
    for (std::size_t i = 0; i < kCleanItems.size(); ++i) {
        EXPECT_STREQ(kCleanItems[i].title, expected[i].first) << i;
        EXPECT_EQ(kCleanItems[i].rule, expected[i].second) << i;
        EXPECT_EQ(&ItemInfo(kCleanItems[i].item), &kCleanItems[i]) << i;
    }
}

// What a script learns from a run: only a report whose every block ended "Completed" is a
// success, including blocks of items that pass their failures over in silence.
TEST(CleanExitCode, ZeroOnlyWhenEveryBlockCompleted) {
    const std::string start = "START OF CLEANING REPORT: 10-Dec-2026 10:00:00\r\n";
    const std::string end = "END OF CLEANING REPORT: 10-Dec-2026 10:00:09\r\n\r\n";
    struct Case {
        const char* body;
        int exitCode;
    };
    const Case cases[] = {
        {"Cleaning Run History\r\nCompleted\r\nCleaning Temp Files\r\n"
         "File: C:\\t\\a.tmp could not be deleted - File is in use\r\nCompleted\r\n",
         0},
        {"Cleaning Temp Files\r\nError: Permission denied\r\nCleaning Recycle Bin\r\nCompleted\r\n",
         1},
        {"Cleaning Internet Cookies\r\nCleaning Recycle Bin\r\nCompleted\r\n", 1},
        {"Cleaning Run History\r\nCompleted\r\nCleaning Internet History\r\n", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CleanExitCode(start + c.body + end), c.exitCode) << c.body;
    }
    EXPECT_EQ(CleanExitCode(start + "Cleaning Run History\r\nCompleted\r\n"), 1) << "no END line";
}

TEST(CleanRun, APreviewFindsTheSelectedItemsWithCheckingCaptionsAndNeverCleans) {
    for (const bool display : {true, false}) {
        cSettings settings;
        settings.SetDisplayProgress(display ? kTrue : kFalse);
        settings.SetRun(kTrue), settings.SetRecycleBin(kTrue);
        RecordingRun run;
        const Preview preview = RunPreviewSteps(settings, run, run);
        std::string log;
        for (const std::string& entry : run.log) log += (log.empty() ? "" : "; ") + entry;
        EXPECT_EQ(log, display ? "max 3; show; value 1; events; value 2; " +
                                     Caption("Checking: Run History...") +
                                     "; events; find Cleaning Run History; value 3; " +
                                     Caption("Checking: Recycle Bin...") +
                                     "; events; find Cleaning Recycle Bin; unload"
                               : "find Cleaning Run History; find Cleaning Recycle Bin");
        EXPECT_EQ(preview.rows.size(), 2u);
        EXPECT_EQ(preview.start + "|" + preview.end, "D1 T2|D3 T4");
    }
    RecordingRun none;
    EXPECT_FALSE(RunPreviewSteps(cSettings(), none, none).ran);
    EXPECT_EQ(none.log, std::vector<std::string>{"tell No Items selected for Cleaning."});
}
