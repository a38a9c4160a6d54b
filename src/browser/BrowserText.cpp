#include "browser/BrowserText.h"

std::string ShortVersion(const std::string& version) {
    std::size_t dot = version.find('.');
    std::size_t length = dot == std::string::npos ? 1 : dot + 2;
    return version.substr(0, length);
}

std::optional<std::string> CutBrowserCommand(const std::string& command) {
    std::size_t placeholder = command.find("%1");
    if (placeholder == std::string::npos) return command;
    if (placeholder == 0) return std::nullopt;
    return command.substr(0, placeholder - 1);
}

BrowserFamily BrowserFamilyOf(const std::string& lowerCaseCommand) {
    if (lowerCaseCommand.find("iexplore") != std::string::npos) {
        return BrowserFamily::InternetExplorer;
    }
    if (lowerCaseCommand.find("netsc") != std::string::npos) return BrowserFamily::Netscape;
    return BrowserFamily::Unknown;
}

std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}
