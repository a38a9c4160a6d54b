#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "chromium/Bookmarks.h"
#include "chromium/ChromiumError.h"
#include "chromium/Profiles.h"

using chromium::Profile;

TEST(ChromiumProfiles, LocalStateOfTheRealBrowser) {
    std::string state = fixture::ReadBytes(fixture::ChromiumUserData() / "Local State");
    EXPECT_EQ(chromium::ProfilesFromLocalState(state),
              (std::vector<Profile>{{"Default", "Your Chromium"}, {"Profile 1", "Person 1"}}));
}

TEST(ChromiumProfiles, CraftedLocalStates) {
    using Profiles = std::optional<std::vector<Profile>>;
    struct Case {
        const char* content;
        Profiles profiles;
    } cases[] = {
        {"", std::nullopt},
        {"{\"profile\": {\"info_cache\": {\"Default\": {\"name\": \"A\"}}", std::nullopt},
        {"[]", std::nullopt},
        {"{\"profile\": {}}", std::nullopt},
        {"{\"profile\": {\"info_cache\": []}}", std::nullopt},
        {"{\"profile\": {\"info_cache\": {}}}", std::nullopt},
        {"{\"profile\": {\"info_cache\": {\"Profile 2\": {\"name\": \"B\"}, \"Default\": {}}}}",
         Profiles{{{"Default", "Default"}, {"Profile 2", "B"}}}},
        {"{\"profile\": {\"info_cache\": {\"Work\": {\"name\": 7}, \"Home\": 1}}}",
         Profiles{{{"Home", "Home"}, {"Work", "Work"}}}},
        {"{\"profile\": {\"info_cache\": {\"..\": {}, \"..\\\\x\": {}, \"a/b\": {}, \"C:x\": {},"
         " \"\": {}, \".\": {}, \"a\\tb\": {}, \"Default\": {\"name\": \"\\u00c5sa\"}}}}",
         Profiles{{{"Default", "\xc3\x85sa"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        EXPECT_EQ(chromium::ProfilesFromLocalState(c.content), c.profiles);
    }
}

TEST(ChromiumProfiles, FoldersHoldingPreferences) {
    EXPECT_EQ(
        chromium::ProfilesFromFolders({"Profile 10", "System Profile", "Default", "Profile 2",
                                       "Profile ", "Profile x", "default", "Guest Profile",
                                       "Profile 2"}),
        (std::vector<Profile>{
            {"Default", "Default"}, {"Profile 10", "Profile 10"}, {"Profile 2", "Profile 2"}}));
}

TEST(ChromiumBookmarks, EveryRootAtEveryDepth) {
    std::string real = fixture::ReadBytes(fixture::ChromiumUserData() / "Default" / "Bookmarks");
    EXPECT_EQ(chromium::BookmarkedUrls(real),
              (std::vector<std::string>{"http://example.com:18765/kept",
                                        "http://example.com:18765/unvisited",
                                        "http://www.other.org:18765/saved"}));
    // Nested deeper than a recursive reader could follow.
    std::string deep;
    for (int i = 0; i < 20000; ++i) deep += "{\"type\": \"folder\", \"children\": [";
    deep += "{\"type\": \"url\", \"url\": \"u:deep\"}";
    for (int i = 0; i < 20000; ++i) deep += "]}";
    EXPECT_EQ(chromium::BookmarkedUrls(
                  "{\"roots\": {\"custom_root\": " + deep +
                  ", \"sync_version\": \"1\","
                  " \"other\": {\"children\": [{\"type\": \"url\", \"url\": \"u:b\"},"
                  " {\"type\": \"folder\", \"url\": \"u:folder\"}, {\"url\": \"u:untyped\"},"
                  " {\"type\": \"url\", \"url\": 5}, {\"type\": \"url\", \"url\": \"u:b\"}]}}}"),
              (std::vector<std::string>{"u:b", "u:deep"}));
}

TEST(ChromiumBookmarks, UnreadableFileIsAnError) {
    for (const char* content : {"", "{\"roots\": {", "{}", "{\"roots\": []}", "[1]"}) {
        SCOPED_TRACE(content);
        try {
            chromium::BookmarkedUrls(content);
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.Number(), chromium::kUnreadableFile);
        }
    }
}
