// The table of the eleven cleaning items, the one place that knows an item. Each row, in the
// fixed order of a run: the item, the cSettings property that selects it, the caption the
// progress window shows while it runs (after "Brisvane is Currently "), the title of its report
// block, what a failure leaves in the block, and the call of its routine (CleanRoutines.cpp
// makes it with the run's context `c` and report text `r`). "Other Browsers" writes one block
// per ticked profile, titled by the profile, under its row's rule. A new item is one row here
// and its routine.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "clean/ReportText.h"
#include "settings/cSettings.h"

// clang-format off
#define BRISVANE_CLEAN_ITEMS(ROW)                                                              \
    ROW(RunHistory, Run, "Cleaning: Run History...", "Cleaning Run History",                   \
        kCompletedAnyway, CleanRunHistory(c.registry, r))                                      \
    ROW(DocumentHistory, DocumentHistory, "Cleaning: Document History...",                     \
        "Cleaning Document History", kErrorLine, CleanShellHistory(c.registry, r, kFalse))     \
    ROW(FindSearchHistory, FindSearch, "Cleaning: Find/Search History...",                     \
        "Cleaning Find/Search History", kErrorLine, CleanShellHistory(c.registry, r, kTrue))   \
    ROW(ExplorerHistory, ExplorerHistory, "Cleaning: Explorer History...",                     \
        "Cleaning Explorer History", kErrorLine, CleanExplorerHistory(c.registry, r))          \
    ROW(TempFiles, TempFiles, "Cleaning: Temp Files...", "Cleaning Temp Files", kErrorLine,    \
        CleanTempFiles(c.registry, r))                                                         \
    ROW(InternetCookies, InternetCookies, "Cleaning: Internet Cookies...",                     \
        "Cleaning Internet Cookies", kSilent,                                                  \
        CleanCookies(c.registry, r, c.browser, c.settings))                                    \
    ROW(InternetHistory, InternetHistory, "Cleaning: Internet History...",                     \
        "Cleaning Internet History", kSilent,                                                  \
        CleanInternetHistory(r, c.browser, c.profileFolder))                                   \
    ROW(TempInternetFiles, TempInternet, "Cleaning: Temporary Internet Files...",              \
        "Cleaning Temporary Internet Files", kSilent,                                          \
        CleanTempInternetFiles(c.registry, r, c.browser, c.profileFolder))                     \
    ROW(InternetURLHistory, InternetURLHistory, "Cleaning: Internet URL History...",           \
        "Cleaning Internet URL History", kSilent,                                              \
        CleanURLHistory(c.registry, r, c.browser, c.profileFolder))                            \
    ROW(OtherBrowsers, OtherBrowsers, "Cleaning: Other Browsers...",                           \
        "Cleaning Other Browsers", kErrorLine,                                                 \
        CleanOtherBrowsers(c.otherBrowsers, r))                                                \
    ROW(RecycleBin, RecycleBin, "Cleaning: Recycle Bin...", "Cleaning Recycle Bin",            \
        kErrorLine, EmptyRecycleBin(r))
// clang-format on

#define BRISVANE_CLEAN_ITEM_NAME(item, setting, caption, title, rule, routine) item,
enum class CleanItem { BRISVANE_CLEAN_ITEMS(BRISVANE_CLEAN_ITEM_NAME) };
#undef BRISVANE_CLEAN_ITEM_NAME

struct CleanItemInfo {
    CleanItem item;
    Boolean (cSettings::*selected)() const;
    const char* caption;  // follows "Brisvane is Currently "
    const char* title;    // the first line of the item's report block
    FailureRule rule;
};

#define BRISVANE_CLEAN_ITEM_INFO(item, setting, caption, title, rule, routine) \
    CleanItemInfo{CleanItem::item, &cSettings::setting, caption, title, FailureRule::rule},
inline constexpr std::array kCleanItems{BRISVANE_CLEAN_ITEMS(BRISVANE_CLEAN_ITEM_INFO)};
#undef BRISVANE_CLEAN_ITEM_INFO

inline constexpr const char* kProgressPrefix = "Brisvane is Currently ";

// The row of an item.
const CleanItemInfo& ItemInfo(CleanItem item);

// How many of the eleven item settings are on (0 to 11).
std::int16_t CountSelectedItems(const cSettings& settings);

// The item's report block (WriteReportBlock with the item's title and failure rule).
void WriteItemBlock(CleanItem item, std::string& report, const std::function<bool()>& body);
