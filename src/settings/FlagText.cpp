#include "settings/FlagText.h"

#include <cctype>

namespace {

bool EqualsIgnoringCase(const std::string& text, const char* word) {
    std::size_t i = 0;
    for (; i < text.size() && word[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
    }
    return i == text.size() && word[i] == '\0';
}

// A decimal number: optional sign, digits, optional "." and digits, at least one digit.
// Answers whether the text is one, and whether any of its digits is not zero.
bool ParseDecimal(const std::string& text, bool& nonZero) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    nonZero = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
            nonZero = nonZero || c != '0';
        } else {
            return false;
        }
    }
    return digits;
}

}  // namespace

std::optional<Boolean> FlagTextToBoolean(const std::string& text) {
    if (EqualsIgnoringCase(text, "true")) return kTrue;
    if (EqualsIgnoringCase(text, "false")) return kFalse;
    bool nonZero = false;
    if (ParseDecimal(text, nonZero)) return ToBoolean(nonZero);
    return std::nullopt;
}
