// The bookmarked URLs of a Chromium-family profile: `Bookmarks` content of any bytes gives
// either the "unreadable" error or URLs sorted and unique, each one that the content holds.
#include <algorithm>

#include "FuzzCheck.h"
#include "chromium/Bookmarks.h"
#include "chromium/ChromiumError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string input = TextOf(bytes, size);
    std::vector<std::string> urls;
    try {
        urls = chromium::BookmarkedUrls(input);
    } catch (const AppError& e) {
        Require(e.Number() == chromium::kUnreadableFile, "the only error is an unreadable file");
        return 0;
    }
    for (std::size_t i = 0; i < urls.size(); ++i) {
        Require(i == 0 || urls[i - 1] < urls[i], "sorted and unique");
        // A URL without escapes in the JSON text appears there as it is.
        if (urls[i].find_first_of("\"\\/") == std::string::npos &&
            std::all_of(urls[i].begin(), urls[i].end(),
                        [](char c) { return c >= 0x20 && c < 0x7f; }))
            Require(input.find(urls[i]) != std::string::npos, "every URL comes from the content");
    }
    return 0;
}
