// Stored flag texts: any text in a settings value (the user can edit them) converts to True,
// False or nothing, the same whatever its letter case and whatever its sign.
#include <cctype>

#include "FuzzCheck.h"
#include "settings/FlagText.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool OnlyFlagCharacters(const std::string& text) {
    for (char c : text) {
        if (std::string("+-.0123456789truefalsTRUEFALS").find(c) == std::string::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text = TextOf(bytes, size);
    const std::optional<Boolean> flag = FlagTextToBoolean(text);
    if (flag) Require(*flag == kTrue || *flag == kFalse, "a flag is True or False");
    if (flag) Require(OnlyFlagCharacters(text), "only truth words and numbers convert");
    Require(FlagTextToBoolean(Upper(text)) == flag, "letter case never matters");
    if (!text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.')) {
        Require(FlagTextToBoolean("-" + text) == flag && FlagTextToBoolean("+" + text) == flag,
                "a sign never changes a number's truth");
    }
    return 0;
}
