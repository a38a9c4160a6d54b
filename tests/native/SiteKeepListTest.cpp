#include <gtest/gtest.h>

#include "chromium/SiteKeepList.h"

using chromium::SiteKeepList;

TEST(SiteKeepList, KeepsHostsOfListedSitesOnly) {
    struct Case {
        std::vector<std::string> entries;
        const char* host;
        bool kept;
    } cases[] = {
        {{"example.com"}, "example.com", true},
        {{"example.com"}, ".example.com", true},
        {{"example.com"}, "..example.com", true},
        {{"example.com"}, "mail.example.com", true},
        {{"example.com"}, ".deep.mail.example.com", true},
        {{"example.com"}, "notexample.com", false},
        {{"example.com"}, "example.com.evil.net", false},
        {{"example.com"}, "example.co", false},
        {{"example.com"}, "com", false},
        {{"example.com"}, "", false},
        {{".Example.COM"}, "MAIL.example.Com", true},
        {{"mail.example.com"}, "example.com", false},
        {{"my_site.org"}, "my_site.org", true},
        {{"my_site.org"}, "myxsite.org", false},
        {{"%.org"}, "a.org", false},
        {{"%.org"}, "x.%.org", true},
        {{"*.org"}, "a.org", false},
        {{"."}, "example.com", false},
        {{""}, "", false},
        {{}, "example.com", false},
        {{"other.org", "example.com"}, "www.other.org", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.host) + " against " +
                     (c.entries.empty() ? "nothing" : c.entries.front()));
        EXPECT_EQ(SiteKeepList(c.entries).Keeps(c.host), c.kept);
    }
}
