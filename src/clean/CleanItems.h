// The table of the eleven cleaning items, the one place that knows an item. Each row, in the
// fixed order of a run: the item, the cSettings property that selects it, the caption the
// progress window shows while it runs (after "Brisvane is Currently "), the title of its report
// block, what a failure leaves in the block, and the call of its find step (CleanRoutines.cpp
// makes it with the run's context `c`), which answers what it found and the clean step that
// removes it (FoundItem.h). "Other Browsers" finds and writes one block per ticked profile,
// titled by the profile, under its row's rule. A new item is one row here and its find step.
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
        kCompletedAnyway, FindRunHistory(c.registry))                                      \
    ROW(DocumentHistory, DocumentHistory, "Cleaning: Document History...",                     \
        "Cleaning Document History", kErrorLine, FindShellHistory(c.registry, kFalse))     \
    ROW(FindSearchHistory, FindSearch, "Cleaning: Find/Search History...",                     \
        "Cleaning Find/Search History", kErrorLine, FindShellHistory(c.registry, kTrue))   \
    ROW(ExplorerHistory, ExplorerHistory, "Cleaning: Explorer History...",                     \
        "Cleaning Explorer History", kErrorLine, FindExplorerHistoryItem(c.registry))          \
    ROW(TempFiles, TempFiles, "Cleaning: Temp Files...", "Cleaning Temp Files", kErrorLine,    \
        FindTempFiles())                                                         \
    ROW(InternetCookies, InternetCookies, "Cleaning: Internet Cookies...",                     \
        "Cleaning Internet Cookies", kSilent,                                                  \
        FindCookies(c.registry, c.browser, c.settings, c.preview))                                    \
    ROW(InternetHistory, InternetHistory, "Cleaning: Internet History...",                     \
        "Cleaning Internet History", kSilent,                                                  \
        FindInternetHistory(c.browser, c.profileFolder))                                   \
    ROW(TempInternetFiles, TempInternet, "Cleaning: Temporary Internet Files...",              \
        "Cleaning Temporary Internet Files", kSilent,                                          \
        FindTempInternetFiles(c.registry, c.browser, c.profileFolder))                     \
    ROW(InternetURLHistory, InternetURLHistory, "Cleaning: Internet URL History...",           \
        "Cleaning Internet URL History", kSilent,                                              \
        FindURLHistory(c.registry, c.browser, c.profileFolder))                            \
    ROW(OtherBrowsers, OtherBrowsers, "Cleaning: Other Browsers...",                           \
        "Cleaning Other Browsers", kErrorLine,                                                 \
        FindOtherBrowsers(c.otherBrowsers))                                                \
    ROW(RecycleBin, RecycleBin, "Cleaning: Recycle Bin...", "Cleaning Recycle Bin",            \
        kErrorLine, FindRecycleBin())
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
// A preview's caption for an item: its caption with "Checking: " for "Cleaning: ".
std::string CheckingCaption(const CleanItemInfo& info);

// The row of an item.
const CleanItemInfo& ItemInfo(CleanItem item);

// How many of the eleven item settings are on (0 to 11).
std::int16_t CountSelectedItems(const cSettings& settings);

// The item's report block (WriteReportBlock with the item's title and failure rule).
void WriteItemBlock(CleanItem item, std::string& report, const std::function<bool()>& body);
