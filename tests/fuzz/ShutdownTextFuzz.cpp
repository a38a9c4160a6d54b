// The texts the log-on and shut-down set-up derive from what it reads: the uninstall log (the
// installer's file, which any program may have changed) and the short folder a deletion script
// names (from the user's shell folders). The log's two lines are added once, each on a line of
// its own; a script names a folder only when the command interpreter reads it as one name below
// a root, never a root itself or a folder above the one meant.
#include <vector>

#include "FuzzCheck.h"
#include "clean/ShutdownText.h"

namespace {

void CheckUninstallLog(const std::string& log) {
    const std::string addition = UninstallLogAddition(log);
    const bool marked = log.find(kUninstallLogMarker) != std::string::npos;
    Require(addition.empty() == marked, "the lines are added exactly when the marker is absent");
    if (marked) return;
    const std::string updated = log + addition;
    Require(UninstallLogAddition(updated).empty(), "the lines are added once");
    const std::size_t at = updated.find(std::string(" ") + kUninstallLogMarker, log.size());
    Require(at != std::string::npos && (at == 0 || updated[at - 1] == '\n'),
            "the marker begins a line of its own");
    Require(updated.ends_with("\"clean\"\r\n"), "the log ends with a line end");
}

// The names between backslashes after the root, "" for an empty one.
std::vector<std::string> NamesAfter(const std::string& folder, std::size_t from) {
    std::vector<std::string> names;
    std::string name;
    for (std::size_t i = from; i < folder.size(); ++i) {
        if (folder[i] != '\\') {
            name += folder[i];
            continue;
        }
        names.push_back(name);
        name.clear();
    }
    return names;
}

void CheckScriptFolder(const std::string& folder) {
    const std::string script = DeletionScriptText("rd /s/q", folder);
    Require(script.empty() == !IsScriptableFolder(folder), "a script exactly for a folder named");
    if (script.empty()) return;
    Require(script == "@echo off\r\nrd /s/q " + folder + "\r\n", "the script's two lines");
    Require(folder.find_first_of(" \t\r\n\"&|<>^%()!,;=") == std::string::npos,
            "the folder is one word to the command interpreter");
    Require(folder.size() > 3 && folder.back() == '\\', "below a root, ended by a backslash");
    const bool drive = folder[1] == ':' && folder[2] == '\\';
    Require(drive || folder.starts_with("\\\\"), "a drive or share path");
    std::size_t from = 3;
    if (!drive) {
        from = folder.find('\\', folder.find('\\', 2) + 1) + 1;
    }
    const std::vector<std::string> names = NamesAfter(folder, from);
    Require(!names.empty(), "at least one folder below the root");
    for (const std::string& name : names) {
        Require(!name.empty(), "no empty name");
        Require(name.find_first_not_of('.') != std::string::npos,
                "no name that leads to the folder itself or above it");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text = TextOf(bytes, size);
    CheckUninstallLog(text);
    CheckScriptFolder(text);
    return 0;
}
