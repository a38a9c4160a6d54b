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
