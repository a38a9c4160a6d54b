#include "browser/BrowserProgIds.h"

namespace {

// A ProgId as the browser registers it: the whole name, or a prefix followed by a per-install
// or per-channel part (Vivaldi's "VivaldiHTM.<id>", Firefox's "FirefoxURL-<install hash>").
struct ProgIdPattern {
    const char* text;
    bool prefix;
    const OtherBrowser& browser;
};

const ProgIdPattern kPatterns[] = {
    {"ChromeHTML", false, kChromiumBrowsers[0]},
    {"MSEdgeHTM", false, kChromiumBrowsers[1]},
    {"BraveHTML", false, kChromiumBrowsers[2]},
    {"VivaldiHTM.", true, kChromiumBrowsers[3]},
    {"OperaStable", false, kChromiumBrowsers[4]},
    {"OperaGXStable", false, kChromiumBrowsers[5]},
    {"FirefoxURL-", true, kFirefox},
    {"FirefoxHTML-", true, kFirefox},
};

bool Matches(const ProgIdPattern& pattern, const std::string& progId) {
    if (!pattern.prefix) return progId == pattern.text;
    const std::string prefix = pattern.text;
    return progId.size() > prefix.size() && progId.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

const OtherBrowser* OtherBrowserOfProgId(const std::string& progId) {
    for (const ProgIdPattern& pattern : kPatterns) {
        if (Matches(pattern, progId)) return &pattern.browser;
    }
    return nullptr;
}

std::string CleanedElsewhereText(const OtherBrowser& browser) {
    return std::string(browser.name) + " is cleaned on the Other Browsers page";
}
