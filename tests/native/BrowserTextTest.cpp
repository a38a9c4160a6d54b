#include <gtest/gtest.h>

#include "browser/BrowserText.h"

TEST(BrowserText, ShortVersions) {
    const std::pair<const char*, const char*> cases[] = {
        {"6.0.2800.1106", "6.0"},
        {"7.1 (en)", "7.1"},
        {"4.79 (en)", "4.7"},
        {"10.5", "10.5"},
        {"7", "7"},
        {"", ""},
        {"11", "1"},
        {"8.", "8."},
    };
    for (const auto& [version, expected] : cases) {
        EXPECT_EQ(ShortVersion(version), expected) << version;
    }
}

TEST(BrowserText, CommandIsCutBeforeThePlaceholder) {
    struct Case {
        const char* command;
        std::optional<std::string> expected;
    } cases[] = {
        {"\"C:\\Program Files\\IE\\iexplore.exe\" -nohome",
         "\"C:\\Program Files\\IE\\iexplore.exe\" -nohome"},
        {" %1", ""},
        {"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"",
         "\"C:\\windows\\system32\\winebrowser.exe\" "},
        {"\"C:\\Netscape\\netscp.exe\" %1", "\"C:\\Netscape\\netscp.exe\""},
        {"browser.exe -url \"%1\" -new %1", "browser.exe -url "},
        {"%1", std::nullopt},
        {"%1 browser.exe", std::nullopt},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CutBrowserCommand(c.command), c.expected) << c.command;
}

TEST(BrowserText, FamilyOfTheLowerCasedCommand) {
    struct Case {
        const char* command;
        BrowserFamily expected;
    } cases[] = {
        {"\"C:\\PROGRA~1\\INTERN~1\\IEXPLORE.EXE\" -nohome", BrowserFamily::InternetExplorer},
        {"\"C:\\Program Files\\Netscape\\Netscape\\Netscp.exe\" -url \"%1\"",
         BrowserFamily::Netscape},
        {"c:\\netsc\\iexplore.exe", BrowserFamily::InternetExplorer},
        {"\"C:\\Program Files\\mozilla.org\\Mozilla\\mozilla.exe\" -url \"%1\"",
         BrowserFamily::Unknown},
        {"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"", BrowserFamily::Unknown},
        {"", BrowserFamily::Unknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BrowserFamilyOf(LowerCase(c.command)), c.expected) << c.command;
    }
    EXPECT_EQ(BrowserFamilyOf("IEXPLORE"), BrowserFamily::Unknown) << "expects lower case";
}
