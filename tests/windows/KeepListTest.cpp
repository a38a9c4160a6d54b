#include <gtest/gtest.h>

#include "CookieSandbox.h"
#include "cookies/KeepList.h"
#include "settings/cRegistry.h"

using Values = std::vector<std::string>;

TEST(KeepList, FirstReadLeavesAnEmptyKeyAndSavesRenumberFromZero) {
    KeepListKeys keys;
    cRegistry registry;
    EXPECT_TRUE(ReadKeepList(registry, kFalse).empty());
    EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey), Values{});  // present and empty

    SaveKeepList(registry, kFalse, {"user@a.txt", "user@b%x%y.txt", "user@c.txt"});
    EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey),
              (Values{"Cookie0=user@a.txt", "Cookie1=user@b%x%y.txt", "Cookie2=user@c.txt"}));
    EXPECT_EQ(ReadKeepList(registry, kFalse),
              (Values{"user@a.txt", "user@b%x%y.txt", "user@c.txt"}));

    SaveKeepList(registry, kFalse, {"user@a.txt", "user@c.txt"});
    EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey),
              (Values{"Cookie0=user@a.txt", "Cookie1=user@c.txt"}));

    SaveKeepList(registry, kFalse, {});
    EXPECT_EQ(KeepListKeys::Stored(kIEKeepKey), Values{});
    EXPECT_TRUE(ReadKeepList(registry, kFalse).empty());
    EXPECT_EQ(KeepListKeys::Stored(kNSKeepKey), Values{"<no key>"});  // never touched
}

TEST(KeepList, TheTwoFamiliesNeverMixAndReadersTakeAnyValueName) {
    KeepListKeys keys;
    cRegistry registry;
    SaveKeepList(registry, kTrue, {".ns.com"});
    SaveKeepList(registry, kFalse, {"ie@site.txt"});
    KeepListKeys::Store(kNSKeepKey, {".ns.com", "other.org"});
    EXPECT_EQ(ReadKeepList(registry, kTrue), (Values{".ns.com", "other.org"}));
    EXPECT_EQ(ReadKeepList(registry, kFalse), Values{"ie@site.txt"});
    KeepSet set = ReadKeepSet(registry, kTrue);
    EXPECT_EQ(set.size(), 2u);
    EXPECT_TRUE(set.contains(std::string_view("other.org")));
    EXPECT_FALSE(set.contains(std::string_view("ie@site.txt")));
}

TEST(KeepList, CookieFolderFollowsTheBrowserCode) {
    SandboxFolder ie("ie-cookies");
    SandboxFolder ns("ns-profile");
    CookieFolderRedirect redirect(ie.Path());
    cSettings settings;
    ProfileRedirect profile(ns.Path(), settings);
    cRegistry registry;
    const struct {
        const char* browser;
        std::string folder;
    } cases[] = {
        {"IE", ie.Path()}, {"Unknown Browser", ie.Path()}, {"ns", ie.Path()}, {"NS", ns.Path()}};
    for (const auto& c : cases) {
        settings.SetDefaultBrowser(c.browser);
        EXPECT_EQ(GetCookieFolder(registry, settings), c.folder) << c.browser;
    }
    settings.SetDefaultNSProfile("Sandbox");  // names are compared exactly
    EXPECT_EQ(GetCookieFolder(registry, settings), "");
    EXPECT_EQ(KeepListSuffix(kFalse), "\\Cookies");
    EXPECT_EQ(KeepListSuffix(kTrue), "\\NSCookies");
}
