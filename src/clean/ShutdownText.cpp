#include "clean/ShutdownText.h"

#include "settings/cSettings.h"

namespace {

constexpr const char* kEnd = "\r\n";

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The length of the root part: "C:\" or "\\server\share\"; 0 when the path has neither.
std::size_t RootLength(const std::string& path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\') return 3;
    if (path.rfind("\\\\", 0) != 0) return 0;
    std::size_t share = path.find('\\', 2);
    if (share == std::string::npos || share == 2) return 0;
    std::size_t end = path.find('\\', share + 1);
    if (end == std::string::npos || end == share + 1) return 0;
    return end + 1;
}

// True when every name between the backslashes after `from` is a plain one: not empty (the
// system would skip it) and not only dots ("." and ".." name the folder itself and the one
// above it, so "rd" would remove more than the folder meant; trailing dots are dropped by the
// system, so longer runs of dots are refused too).
bool HasOnlyPlainNames(const std::string& path, std::size_t from) {
    std::size_t start = from;
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::string name = path.substr(start, end - start);
        if (name.find_first_not_of('.') == std::string::npos) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

std::string RunValueText(const std::string& programFolder) {
    return "\"" + programFolder + "\\Brisvane.exe\" 1";
}

std::string UninstallLogAddition(const std::string& logText) {
    if (logText.find(kUninstallLogMarker) != std::string::npos) return "";
    std::string addition;
    if (!logText.empty() && logText.back() != '\n') addition = kEnd;
    addition += std::string(" ") + kUninstallLogMarker + " %%" + kEnd;
    addition +=
        "ACTION: RegValue: \"HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run"
        "\", \"clean\"";
    return addition + kEnd;
}

bool IsScriptableFolder(const std::string& shortFolder) {
    const std::size_t root = RootLength(shortFolder);
    if (root == 0 || shortFolder.size() <= root || shortFolder.back() != '\\') return false;
    if (!HasOnlyPlainNames(shortFolder, root)) return false;
    return shortFolder.find_first_of(" \t\"&|<>^%()!,;=\r\n") == std::string::npos;
}

std::string DeletionScriptText(const std::string& command, const std::string& shortFolder) {
    if (!IsScriptableFolder(shortFolder)) return "";
    return std::string("@echo off") + kEnd + command + " " + shortFolder + kEnd;
}

ShutdownWanted WantedAtShutdown(const cSettings& settings, bool interactiveCache,
                                bool interactiveHistory) {
    ShutdownWanted wanted;
    if (settings.CleanAtStartUp() != kFalse || settings.CleanAtShutDown() != kFalse) {
        wanted.cache = settings.TempInternet() != kFalse;
        wanted.history = settings.InternetHistory() != kFalse;
    }
    if (interactiveCache) wanted.cache = true;
    if (interactiveHistory) wanted.history = true;
    return wanted;
}

std::string ScriptsIniText(ShutdownWanted wanted) {
    if (!wanted.Any()) return "";
    std::string text = std::string(kEnd) + "[Shutdown]" + kEnd;
    int entry = 0;
    auto add = [&](const char* file) {
        const std::string n = std::to_string(entry++);
        text += n + "CmdLine = " + file + kEnd + n + "Parameters=" + kEnd;
    };
    if (wanted.cache) add("del_temp.cmd");
    if (wanted.history) add("del_history.cmd");
    return text;
}

std::string AutoexecAddition(ShutdownWanted wanted) {
    if (!wanted.Any()) return "";
    std::string text = std::string(kEnd) + "@echo off" + kEnd;
    if (wanted.cache) text += std::string("c:\\del_temp.bat") + kEnd;
    if (wanted.history) text += std::string("c:\\del_hist.bat") + kEnd;
    return text;
}
