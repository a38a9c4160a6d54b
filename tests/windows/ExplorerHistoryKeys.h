// Explorer's history lists filled as Windows fills them (item-id lists ordered by MRUListEx, the
// older lists ordered by MRUList, UserAssist's counters under ROT13 names) beside values that
// must stay, and the registry below their keys as Wine's reg.exe lists it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "RegistrySandbox.h"
#include "settings/RegistryPaths.h"

inline const std::string kRemoteComputer =
    std::string(regpath::kRemoteDesktopServers) + "\\desk.example";
inline const char* const kExplorerRoots[] = {
    regpath::kExplorer, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets",
    "Software\\Microsoft\\Terminal Server Client", regpath::kSettings};

// Writes the values that must stay and creates the key of every history list; with `history`
// also fills the lists (and adds a remote computer's key).
inline void FillExplorerKeys(bool history) {
    using Bytes = std::vector<std::uint8_t>;
    const Bytes pidl{8, 0, 0x32, 's', 'e', 'c', 'r', 't', 0, 0}, dword{1, 0, 0, 0};
    const std::string pidls = regpath::kOpenSavePidlMru, older = regpath::kOpenSaveMru;
    const std::string assist =
        std::string(regpath::kUserAssist) + "\\{CEBFF5CD-ACE2-4F4F-9178-9926F41749EA}";
    const struct {
        std::string key, name;
        DWORD type;
        Bytes data;
    } lists[] = {
        {regpath::kTypedPaths, "url1", REG_SZ, SzBytes("C:\\Secret")},
        {pidls, "MRUListEx", REG_BINARY, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {pidls + "\\*", "0", REG_BINARY, pidl},
        {pidls + "\\txt", "0", REG_BINARY, pidl},
        {regpath::kLastVisitedPidlMru, "0", REG_BINARY, pidl},
        {regpath::kLastVisitedPidlMruLegacy, "0", REG_BINARY, pidl},
        {regpath::kCidSizeMru, "0", REG_BINARY, pidl},
        {older, "MRUList", REG_SZ, SzBytes("a")},
        {older + "\\doc", "a", REG_SZ, SzBytes("C:\\secret.doc")},
        {regpath::kLastVisitedMru, "a", REG_SZ, SzBytes("notepad.exe")},
        {regpath::kMapNetworkDriveMru, "a", REG_SZ, SzBytes("\\\\server\\secret")},
        {assist + "\\Count", "HRZR_PGYFRFFVBA", REG_BINARY, Bytes(72, 1)},
        {assist + "\\Count", "{1NP14R77-02R7-4R5Q-O744-2RO1NR5198O7}\\abgrcnq.rkr", REG_BINARY,
         Bytes(72, 3)},
        {regpath::kPaintRecentFiles, "File1", REG_SZ, SzBytes("C:\\secret.png")},
        {regpath::kWordpadRecentFiles, "File1", REG_SZ, SzBytes("C:\\secret.rtf")},
        {regpath::kRemoteDesktopDefault, "MRU0", REG_SZ, SzBytes("desk.example")},
        {kRemoteComputer, "UsernameHint", REG_SZ, SzBytes("me")},
    };
    WriteRaw(assist + "\\Settings", "NoLog", REG_DWORD, dword);
    WriteRaw(assist, "Version", REG_DWORD, dword);
    WriteRaw(std::string(regpath::kExplorer) + "\\Advanced", "Hidden", REG_DWORD, dword);
    WriteRaw(std::string(regpath::kExplorer) + "\\ComDlg32", "Kept", REG_SZ, SzBytes("k"));
    WriteRaw(std::string(kExplorerRoots[1]) + "\\Paint\\View", "Width", REG_DWORD, dword);
    WriteRaw(std::string(kExplorerRoots[2]) + "\\LocalDevices", "desk.example", REG_DWORD, dword);
    for (const auto& e : lists) {
        if (history) WriteRaw(e.key, e.name, e.type, e.data);
        if (!history)
            CreateRawKey(e.key == kRemoteComputer ? regpath::kRemoteDesktopServers : e.key);
    }
}

// Every key and value below the lists' keys and the program's settings.
inline std::string ExplorerRegistryText() {
    std::string text;
    for (const char* root : kExplorerRoots) {
        FILE* pipe = _popen(("reg.exe query \"HKCU\\" + std::string(root) + "\" /s").c_str(), "r");
        char line[4096];
        while (pipe != nullptr && std::fgets(line, sizeof line, pipe) != nullptr) text += line;
        if (pipe != nullptr) _pclose(pipe);
    }
    return text;
}

// The three keys of the lists, put back as they were at the end.
struct SavedExplorerKeys {
    SavedKey explorer{kExplorerRoots[0]}, applets{kExplorerRoots[1]}, remote{kExplorerRoots[2]};
};
