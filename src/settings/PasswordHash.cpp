#include "settings/PasswordHash.h"

#include <vector>

namespace {

constexpr std::uint32_t kMostIterations = 10'000'000;

std::vector<std::string> SplitAtDollars(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', start)) {
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

std::optional<std::uint32_t> ParseIterations(const std::string& text) {
    if (text.empty() || text.size() > 8 || text[0] == '0') return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value > kMostIterations) return std::nullopt;
    return value;
}

bool IsBase64Text(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        bool alnum = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!alnum && c != '+' && c != '/' && c != '=') return false;
    }
    return true;
}

}  // namespace

bool NamesHashScheme(const std::string& stored) { return stored.rfind("pbkdf2-", 0) == 0; }

std::optional<StoredHash> ParseStoredHash(const std::string& stored) {
    std::vector<std::string> fields = SplitAtDollars(stored);
    if (fields.size() != 4 || fields[0] != kPasswordScheme) return std::nullopt;
    std::optional<std::uint32_t> iterations = ParseIterations(fields[1]);
    if (!iterations || !IsBase64Text(fields[2]) || !IsBase64Text(fields[3])) return std::nullopt;
    return StoredHash{*iterations, fields[2], fields[3]};
}

std::string FormatStoredHash(const StoredHash& hash) {
    return std::string(kPasswordScheme) + "$" + std::to_string(hash.iterations) + "$" + hash.salt +
           "$" + hash.hash;
}

bool EqualInConstantTime(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}
