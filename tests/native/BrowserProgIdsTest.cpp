#include <gtest/gtest.h>

#include "browser/BrowserProgIds.h"

// The ProgIds the browsers of the Other Browsers page register for "http", and ones that only
// look like them.
TEST(BrowserProgIds, ProgIdsOfTheOtherBrowsers) {
    const std::pair<const char*, const char*> cases[] = {
        {"ChromeHTML", "Google Chrome"},
        {"MSEdgeHTM", "Microsoft Edge"},
        {"BraveHTML", "Brave"},
        {"VivaldiHTM.UWLQ2NNXLKGQ3I7TZZAJMCJWXQ", "Vivaldi"},
        {"OperaStable", "Opera"},
        {"OperaGXStable", "Opera GX"},
        {"FirefoxURL-308046B0AF4A39CB", "Mozilla Firefox"},
        {"FirefoxHTML-308046B0AF4A39CB", "Mozilla Firefox"},
        {"IE.HTTP", nullptr},
        {"", nullptr},
        {"chromehtml", nullptr},
        {"ChromeHTML.1", nullptr},
        {"MSEdgeMHT", nullptr},
        {"VivaldiHTM.", nullptr},
        {"FirefoxURL", nullptr},
        {"OperaGXStable2", nullptr},
    };
    for (const auto& [progId, name] : cases) {
        const OtherBrowser* browser = OtherBrowserOfProgId(progId);
        EXPECT_STREQ(browser != nullptr ? browser->name : nullptr, name) << progId;
    }
    EXPECT_EQ(CleanedElsewhereText(*OtherBrowserOfProgId("ChromeHTML")),
              "Google Chrome is cleaned on the Other Browsers page");
}
