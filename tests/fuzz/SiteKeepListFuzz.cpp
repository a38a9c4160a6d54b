// The site keep rule. The input is keep-list entries separated by NUL and, after the first
// byte 0x01, a cookie host. The list keeps the host exactly when, both lower-cased and without
// leading dots, the host equals an entry or ends with "." and the entry; the host's case and
// leading dots never change the answer.
#include <string_view>

#include "FuzzCheck.h"
#include "chromium/SiteKeepList.h"

namespace {

std::vector<std::string> EntriesOf(std::string_view names) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= names.size()) {
        std::size_t end = names.find('\0', start);
        if (end == std::string_view::npos) end = names.size();
        entries.emplace_back(names.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

// The rule as stated, entry by entry.
bool KeptByRule(const std::vector<std::string>& entries, const std::string& host) {
    const std::string h = chromium::NormalizedHost(host);
    for (const std::string& entry : entries) {
        const std::string e = chromium::NormalizedHost(entry);
        if (e.empty() || h.empty()) continue;
        if (h == e) return true;
        if (h.size() > e.size() && h.compare(h.size() - e.size(), e.size(), e) == 0 &&
            h[h.size() - e.size() - 1] == '.')
            return true;
    }
    return false;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string input = TextOf(bytes, size);
    const std::size_t split = input.find('\x01');
    const std::string_view all(input);
    const std::vector<std::string> entries =
        EntriesOf(split == std::string::npos ? "" : all.substr(0, split));
    const std::string host(split == std::string::npos ? all : all.substr(split + 1));
    const chromium::SiteKeepList keep(entries);
    const bool kept = keep.Keeps(host);
    Require(kept == KeptByRule(entries, host), "kept exactly by the rule");
    Require(keep.Keeps(Upper(host)) == kept, "the host's case does not matter");
    Require(keep.Keeps(".." + host) == kept, "the host's leading dots do not matter");
    return 0;
}
