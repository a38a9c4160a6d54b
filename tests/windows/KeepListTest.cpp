#include <gtest/gtest.h>

#include <algorithm>

#include "CookieSandbox.h"
#include "FailingRegistryApi.h"
#include "cookies/KeepList.h"
#include "settings/RegistryData.h"
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

namespace {

struct StoredValue {
    std::string name;
    DWORD type;
    std::vector<std::uint8_t> data;
};

// The keep-list read entry by entry, as the store's name and entry readers give it.
Values ReadEntryByEntry(cRegistry& registry, Boolean netscape) {
    std::vector<std::string> names;
    std::int32_t count = 0;
    ReadKeepListNames(registry, names, count, netscape);
    Values list;
    for (std::int32_t i = 1; i <= count; ++i) {
        list.push_back(ReadKeepListEntry(registry, names[static_cast<std::size_t>(i)], netscape));
    }
    return list;
}

Values Sorted(Values values) {
    std::sort(values.begin(), values.end());
    return values;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

TEST(KeepList, TheOnePassReadGivesWhatTheEntryByEntryReadGives) {
    const std::string longName(10000, 'n');  // beyond the first data buffer
    const struct {
        const char* what;
        std::vector<StoredValue> stored;
        Values expected;  // in any order; empty: only the agreement is checked
    } cases[] = {
        {"gaps and foreign names count as entries",
         {{"Cookie0", REG_SZ, SzBytes("a.com")},
          {"Cookie2", REG_SZ, SzBytes("b.com")},
          {"Zed", REG_SZ, SzBytes("z.org")},
          {"cookie7", REG_SZ, SzBytes("c.org")},
          {"", REG_SZ, SzBytes("default.org")}},
         {"a.com", "b.com", "c.org", "default.org", "z.org"}},
        {"text is never expanded, empty text is an entry",
         {{"Cookie0", REG_EXPAND_SZ, SzBytes("%PATH%.com")},
          {"Cookie2", REG_SZ, SzBytes("")},
          {"Cookie3", REG_SZ, {}}},
         {"", "", "%PATH%.com"}},
        {"other types and unterminated text read as the entry reader converts them",
         {{"Cookie0", REG_DWORD, {7, 0, 0, 0}},
          {"Cookie3", REG_SZ, Bytes("abc")},
          {"Cookie1", REG_BINARY, {'x', 0, 'y'}},
          {"Cookie2", REG_MULTI_SZ, Bytes(std::string("a\0b\0\0", 5))}},
         {}},
        {"long data and long value names",
         {{"Cookie0", REG_SZ, SzBytes(longName)},
          {std::string(300, 'v'), REG_SZ, SzBytes("after.com")}},
         {"after.com", longName}},
    };
    for (const auto& c : cases) {
        KeepListKeys keys;
        CreateRawKey(kNSKeepKey);
        for (const StoredValue& v : c.stored) WriteRaw(kNSKeepKey, v.name, v.type, v.data);
        cRegistry registry;
        const Values onePass = ReadKeepList(registry, kTrue);
        EXPECT_EQ(onePass.size(), c.stored.size()) << c.what;
        EXPECT_EQ(onePass, ReadEntryByEntry(registry, kTrue)) << c.what;
        if (!c.expected.empty()) {
            EXPECT_EQ(Sorted(onePass), c.expected) << c.what;
        }
        EXPECT_EQ(ReadKeepSet(registry, kTrue), KeepSet(onePass.begin(), onePass.end())) << c.what;
    }
}

TEST(KeepList, AListThatCannotBeEnumeratedRaisesInsteadOfComingBackShort) {
    KeepListKeys keys;
    KeepListKeys::Store(kNSKeepKey, {"a.com", "b.com"});
    FailingRegistryApi api;
    api.failing = RegCall::EnumValue;
    cRegistry registry(api);
    try {
        ReadKeepSet(registry, kTrue);
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), regerr::kEnumerate);
        EXPECT_EQ(e.Description(),
                  "Failed to enumerate registry values Key: '-2147483647',Section: '" +
                      std::string(kNSKeepKey) + "'");
    }
    EXPECT_EQ(api.opened, api.closed);
}
