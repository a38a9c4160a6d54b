#include <gtest/gtest.h>

#include "browser/ProfileFolder.h"
#include "clean/CleanItems.h"
#include "settings/ProgramState.h"

TEST(Settings, NewObjectIsAllFalseAndEmptyAndCopiesStrings) {
    cSettings s;
    EXPECT_EQ(CountSelectedItems(s), 0);
    EXPECT_EQ(s.PasswordProtected(), kFalse);
    EXPECT_EQ(s.CleanAtStartUp(), kFalse);
    EXPECT_EQ(s.Password(), "");
    EXPECT_EQ(s.DefaultBrowser(), "");
    EXPECT_EQ(s.DefaultNSProfile(), "");
    std::string name = "work";
    s.SetDefaultNSProfile(name);
    name[0] = 'W';
    EXPECT_EQ(s.DefaultNSProfile(), "work");
    s.SetReport(CheckToBool(2));
    EXPECT_EQ(s.Report(), -1);
    EXPECT_EQ(BoolToCheck(s.Report()), 1);
    EXPECT_EQ(BoolToCheck(kFalse), 0);
}

TEST(CleanItems, FixedOrderAndCaptions) {
    const char* expected[] = {
        "Cleaning: Run History...",          "Cleaning: Document History...",
        "Cleaning: Find/Search History...",  "Cleaning: Explorer History...",
        "Cleaning: Temp Files...",           "Cleaning: Internet Cookies...",
        "Cleaning: Internet History...",     "Cleaning: Temporary Internet Files...",
        "Cleaning: Internet URL History...", "Cleaning: Other Browsers...",
        "Cleaning: Recycle Bin...",
    };
    ASSERT_EQ(kCleanItems.size(), std::size(expected));
    for (std::size_t i = 0; i < kCleanItems.size(); ++i) {
        EXPECT_STREQ(kCleanItems[i].caption, expected[i]) << i;
    }
}

TEST(CleanItems, CountsEveryItemSettingOnceAndNoOption) {
    cSettings s;
    s.SetCleanAtStartUp(kTrue);
    s.SetDisplayProgress(kTrue);
    s.SetReport(kTrue);
    s.SetPasswordProtected(kTrue);
    EXPECT_EQ(CountSelectedItems(s), 0);
    int n = 0;
    for (const CleanItemInfo& info : kCleanItems) {
        // Turn each item on through its own setter, found by the item's getter.
        if (info.selected == &cSettings::Run) s.SetRun(kTrue);
        if (info.selected == &cSettings::DocumentHistory) s.SetDocumentHistory(kTrue);
        if (info.selected == &cSettings::FindSearch) s.SetFindSearch(kTrue);
        if (info.selected == &cSettings::ExplorerHistory) s.SetExplorerHistory(kTrue);
        if (info.selected == &cSettings::TempFiles) s.SetTempFiles(kTrue);
        if (info.selected == &cSettings::InternetCookies) s.SetInternetCookies(kTrue);
        if (info.selected == &cSettings::InternetHistory) s.SetInternetHistory(kTrue);
        if (info.selected == &cSettings::TempInternet) s.SetTempInternet(kTrue);
        if (info.selected == &cSettings::InternetURLHistory) s.SetInternetURLHistory(kTrue);
        if (info.selected == &cSettings::OtherBrowsers) s.SetOtherBrowsers(kTrue);
        if (info.selected == &cSettings::RecycleBin) s.SetRecycleBin(kTrue);
        EXPECT_EQ(CountSelectedItems(s), ++n);
    }
}

TEST(CleanItems, ProfileFolderIsTheFirstExactMatch) {
    Program().nsProfiles = {{"default", "C:\\p\\d"}, {"Work", "C:\\p\\w1"}, {"Work", "C:\\p\\w2"}};
    cSettings s;
    s.SetDefaultNSProfile("Work");
    EXPECT_EQ(GetNSProfileFolder(s), "C:\\p\\w1");
    s.SetDefaultNSProfile("work");
    EXPECT_EQ(GetNSProfileFolder(s), "");
    s.SetDefaultNSProfile("");
    EXPECT_EQ(GetNSProfileFolder(s), "");
    Program().nsProfiles.clear();
}
