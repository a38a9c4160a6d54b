// The two cookie formats as text: the lines of a Netscape/Mozilla "cookies.txt" (one cookie per
// line, fields separated by TAB, the first field the cookie's domain) and the keep-list that
// names the cookies a clean spares. No system calls: the callers read and write the files.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Hashing that lets a set of strings be searched with a string_view, without copying the name.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

// The kept cookie names; a name is kept only when it equals an entry exactly (letter case
// included).
using KeepSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

// Splits text into its lines: each ends at LF, and the CRs just before the LF are dropped.
// Text after the last LF is one more line, less the CRs that end the text; text ending in LF
// has no empty line after it.
std::vector<std::string_view> SplitCookieLines(std::string_view text);

// True for a line that names no cookie: empty, or starting with "#".
bool IsCookieComment(std::string_view line);

// The cookie's name: the text before the first TAB, or nothing when the line has no TAB.
std::optional<std::string_view> CookieName(std::string_view line);

// The "cookies.txt" a clean leaves: the "#" lines, the empty lines and the cookies named on the
// keep-list, in their order, each followed by one LF. Nothing (the file must stay as it is) when
// a line that is neither empty nor a comment has no TAB.
std::optional<std::string> FilterCookieText(std::string_view text, const KeepSet& keep);

// One cookie of "cookies.txt" as the cookie window lists it.
struct SystemCookie {
    std::string name;  // the text before the first TAB
    std::string line;  // the whole line
};

struct CookieListing {
    std::vector<SystemCookie> cookies;  // in file order, equal names repeated
    std::size_t linesWithoutTab = 0;    // lines that are not cookies and not comments
};

// The cookies of a "cookies.txt" text: every line that is neither empty nor a comment and has a
// TAB. Lines without a TAB are counted, not listed.
CookieListing ListCookies(std::string_view text);

// The detail view of one cookie line: every TAB becomes CR LF, the first 32767 characters at
// most. A seven-field line shows as seven lines.
std::string FormatCookieDetails(std::string_view line);
