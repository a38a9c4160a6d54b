// The cookies.txt classification and rewrite. The input is a keep-list (names separated by
// NUL) and, after the first byte 0x01, the file's text. A file with a line that is neither empty
// nor a comment and has no TAB is refused as a whole; any other file is rewritten to exactly its
// comment lines and kept cookies, in order, each ended by one LF, and the window lists exactly
// the cookies the file holds.
#include <string_view>

#include "FuzzCheck.h"
#include "cookies/CookieLines.h"

namespace {

KeepSet KeepListOf(std::string_view names) {
    KeepSet keep;
    std::size_t start = 0;
    while (start <= names.size()) {
        std::size_t end = names.find('\0', start);
        if (end == std::string_view::npos) end = names.size();
        keep.emplace(names.substr(start, end - start));
        start = end + 1;
    }
    return keep;
}

bool IsKept(std::string_view line, const KeepSet& keep) {
    if (IsCookieComment(line)) return true;
    std::optional<std::string_view> name = CookieName(line);
    return name && keep.contains(*name);
}

void CheckRewrite(std::string_view text, const KeepSet& keep) {
    const std::vector<std::string_view> lines = SplitCookieLines(text);
    const CookieListing listing = ListCookies(text);
    const std::optional<std::string> rewritten = FilterCookieText(text, keep);
    Require(rewritten.has_value() == (listing.linesWithoutTab == 0),
            "refused exactly when a line is no cookie and no comment");
    std::size_t cookies = 0;
    for (std::string_view line : lines) cookies += IsCookieComment(line) ? 0 : 1;
    Require(listing.cookies.size() + listing.linesWithoutTab == cookies,
            "every non-comment line is listed or counted");
    for (const SystemCookie& cookie : listing.cookies) {
        Require(cookie.line.find('\n') == std::string::npos, "a listed cookie is one line");
        Require(cookie.line.compare(0, cookie.name.size() + 1, cookie.name + "\t") == 0,
                "a cookie's name is the text before its first TAB");
    }
    if (!rewritten) return;
    Require(rewritten->empty() || rewritten->back() == '\n', "the rewrite ends with LF");
    std::string expected;
    for (std::string_view line : lines) {
        if (!IsKept(line, keep)) continue;
        expected.append(line);
        expected.push_back('\n');
    }
    Require(*rewritten == expected, "the rewrite is exactly the kept lines, each ended by LF");
    const std::vector<std::string_view> reread = SplitCookieLines(*rewritten);
    std::size_t kept = 0;
    for (std::string_view line : lines) kept += IsKept(line, keep) ? 1 : 0;
    Require(reread.size() == kept, "the rewrite reads back as the kept lines");
    for (std::size_t i = 0, j = 0; i < lines.size(); ++i) {
        if (!IsKept(lines[i], keep)) continue;
        Require(reread[j++] == lines[i], "every kept line reads back unchanged");
    }
    Require(FilterCookieText(*rewritten, keep) == rewritten, "a second clean changes nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string input = TextOf(bytes, size);
    const std::size_t split = input.find('\x01');
    const std::string_view all(input);
    const std::string_view names = split == std::string::npos ? "" : all.substr(0, split);
    const std::string_view text = split == std::string::npos ? all : all.substr(split + 1);
    CheckRewrite(text, KeepListOf(names));
    CheckRewrite(text, KeepSet{});
    const std::string details = FormatCookieDetails(text);
    Require(details.find('\t') == std::string::npos, "the detail view shows no TAB");
    return 0;
}
