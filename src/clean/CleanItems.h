// The nine cleaning items in the fixed order of a run, with the setting that selects each and
// the caption the progress window shows while it runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/cSettings.h"

enum class CleanItem {
    RunHistory,
    DocumentHistory,
    FindSearchHistory,
    TempFiles,
    InternetCookies,
    InternetHistory,
    TempInternetFiles,
    InternetURLHistory,
    RecycleBin,
};

struct CleanItemInfo {
    CleanItem item;
    Boolean (cSettings::*selected)() const;
    const char* caption;  // follows "Brisvane is Currently "
};

inline constexpr std::array<CleanItemInfo, 9> kCleanItems{{
    {CleanItem::RunHistory, &cSettings::Run, "Cleaning: Run History..."},
    {CleanItem::DocumentHistory, &cSettings::DocumentHistory, "Cleaning: Document History..."},
    {CleanItem::FindSearchHistory, &cSettings::FindSearch, "Cleaning: Find/Search History..."},
    {CleanItem::TempFiles, &cSettings::TempFiles, "Cleaning: Temp Files..."},
    {CleanItem::InternetCookies, &cSettings::InternetCookies, "Cleaning: Internet Cookies..."},
    {CleanItem::InternetHistory, &cSettings::InternetHistory, "Cleaning: Internet History..."},
    {CleanItem::TempInternetFiles, &cSettings::TempInternet,
     "Cleaning: Temporary Internet Files..."},
    {CleanItem::InternetURLHistory, &cSettings::InternetURLHistory,
     "Cleaning: Internet URL History..."},
    {CleanItem::RecycleBin, &cSettings::RecycleBin, "Cleaning: Recycle Bin..."},
}};

inline constexpr const char* kProgressPrefix = "Brisvane is Currently ";

// How many of the nine item settings are on (0 to 9).
std::int16_t CountSelectedItems(const cSettings& settings);
