#include "cookies/CookieLines.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kMaxDetailCharacters = 32767;

// The position of the first c at or after from, else text.size(). Eight bytes are tested at a
// time (a word holds c where the word XOR c has a zero byte): the C library's byte-by-byte
// search under Wine made finding the line ends the slowest part of a clean.
std::size_t FindByte(std::string_view text, char c, std::size_t from) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    std::size_t i = from;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, sizeof word);
        word ^= pattern;
        if (((word - kOnes) & ~word & kHighBits) != 0) break;
    }
    while (i < text.size() && text[i] != c) ++i;
    return i;
}

// The line starting at start; start moves past its LF (or to the end of the text).
std::string_view NextLine(std::string_view text, std::size_t& start) {
    const std::size_t end = FindByte(text, '\n', start);
    std::string_view line = text.substr(start, end - start);
    // The CRs before the LF, or ending the text, are the line's end: a kept line is written
    // back with an LF and must read back the same.
    while (line.ends_with('\r')) line.remove_suffix(1);
    start = end + 1;
    return line;
}

}  // namespace

std::vector<std::string_view> SplitCookieLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) lines.push_back(NextLine(text, start));
    return lines;
}

bool IsCookieComment(std::string_view line) { return line.empty() || line.front() == '#'; }

std::optional<std::string_view> CookieName(std::string_view line) {
    const std::size_t tab = FindByte(line, '\t', 0);
    if (tab == line.size()) return std::nullopt;
    return line.substr(0, tab);
}

std::optional<std::string> FilterCookieText(std::string_view text, const KeepSet& keep) {
    // One pass over the text into one buffer: the file can hold a hundred thousand lines.
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t start = 0; start < text.size();) {
        const std::string_view line = NextLine(text, start);
        if (!IsCookieComment(line)) {
            std::optional<std::string_view> name = CookieName(line);
            if (!name) return std::nullopt;
            if (!keep.contains(*name)) continue;
        }
        kept.append(line);
        kept.push_back('\n');
    }
    return kept;
}

CookieListing ListCookies(std::string_view text) {
    CookieListing listing;
    for (std::string_view line : SplitCookieLines(text)) {
        if (IsCookieComment(line)) continue;
        std::optional<std::string_view> name = CookieName(line);
        if (!name) {
            ++listing.linesWithoutTab;
            continue;
        }
        listing.cookies.push_back({std::string(*name), std::string(line)});
    }
    return listing;
}

std::string FormatCookieDetails(std::string_view line) {
    std::string details;
    for (char c : line.substr(0, kMaxDetailCharacters)) {
        if (c == '\t') {
            details += "\r\n";
        } else {
            details += c;
        }
    }
    return details;
}
