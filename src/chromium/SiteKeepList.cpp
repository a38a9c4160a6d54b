#include "chromium/SiteKeepList.h"

namespace chromium {

std::string NormalizedHost(const std::string& host) {
    std::string::size_type start = host.find_first_not_of('.');
    std::string normalized = start == std::string::npos ? std::string() : host.substr(start);
    for (char& c : normalized) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return normalized;
}

SiteKeepList::SiteKeepList(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        std::string site = NormalizedHost(entry);
        if (!site.empty()) sites_.insert(std::move(site));
    }
}

bool SiteKeepList::Keeps(const std::string& host) const {
    std::string normalized = NormalizedHost(host);
    if (normalized.empty()) return false;
    if (sites_.count(normalized) != 0) return true;
    // Every suffix that follows a dot: "mail.example.com" asks for "example.com" and "com".
    for (std::string::size_type dot = normalized.find('.'); dot != std::string::npos;
         dot = normalized.find('.', dot + 1)) {
        if (sites_.count(normalized.substr(dot + 1)) != 0) return true;
    }
    return false;
}

}  // namespace chromium
