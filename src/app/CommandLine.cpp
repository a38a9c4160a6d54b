#include "app/CommandLine.h"

std::string ArgumentText(const std::string& commandLine) {
    std::size_t end;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(" \t");
        if (end == std::string::npos) end = commandLine.size();
    }
    if (end < commandLine.size() && (commandLine[end] == ' ' || commandLine[end] == '\t')) ++end;
    return commandLine.substr(end);
}

bool IsAutomaticStart(const std::string& argumentText) {
    if (argumentText.empty()) return false;
    return argumentText.substr(0, argumentText.find(' ')) == "1";
}

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Unquoted(const std::string& path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        return path.substr(1, path.size() - 2);
    }
    return path;
}

}  // namespace

Command ParseCommand(const std::string& argumentText) {
    if (IsAutomaticStart(argumentText)) return {Command::Kind::Automatic, ""};
    const std::string text = Trimmed(argumentText);
    const std::string lower = Lower(text);
    if (text.empty()) return {Command::Kind::Window, ""};
    if (lower == "/clean") return {Command::Kind::Clean, ""};
    if (lower == "/?") return {Command::Kind::Help, ""};
    const std::string preview = "/preview:";
    if (lower.rfind(preview, 0) == 0) {
        const std::string file = Unquoted(text.substr(preview.size()));
        if (!file.empty() && file.find('"') == std::string::npos) {
            return {Command::Kind::Preview, file};
        }
    }
    return {Command::Kind::Invalid, ""};
}
