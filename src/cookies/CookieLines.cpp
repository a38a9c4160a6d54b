#include "cookies/CookieLines.h"

namespace {

constexpr std::size_t kMaxDetailCharacters = 32767;

}  // namespace

std::vector<std::string_view> SplitCookieLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        // The CRs before the LF, or ending the text, are the line's end: a kept line is written
        // back with an LF and must read back the same.
        while (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool IsCookieComment(std::string_view line) { return line.empty() || line.front() == '#'; }

std::optional<std::string_view> CookieName(std::string_view line) {
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    return line.substr(0, tab);
}

std::optional<std::string> FilterCookieText(std::string_view text, const KeepSet& keep) {
    std::string kept;
    kept.reserve(text.size());
    for (std::string_view line : SplitCookieLines(text)) {
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
