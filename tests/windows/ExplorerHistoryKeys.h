// Explorer's history lists filled as Windows fills them (item-id lists ordered by MRUListEx,
// the older lists ordered by MRUList, UserAssist's counters under ROT13 names), with neighbours
// that must stay, and the registry below their keys read as one map ("key\" for a key,
// "key|name" for a value with its type and data), to compare what a clean left.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "RegistrySandbox.h"
#include "settings/RegistryPaths.h"

using RegistryTree = std::map<std::string, std::string>;

struct ExplorerEntry {
    std::string key;
    std::string name;
    DWORD type;
    std::vector<std::uint8_t> data;
    bool goes;  // a history value; the others must stay
};

inline const std::string kRemoteComputer =
    std::string(regpath::kRemoteDesktopServers) + "\\desk.example";

inline std::vector<ExplorerEntry> ExplorerEntries() {
    const std::vector<std::uint8_t> pidl{8, 0, 0x32, 's', 'e', 'c', 'r', 't', 0, 0};
    const std::vector<std::uint8_t> order{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, dword{1, 0, 0, 0};
    const std::string pidls = regpath::kOpenSavePidlMru, older = regpath::kOpenSaveMru;
    const std::string assist =
        std::string(regpath::kUserAssist) + "\\{CEBFF5CD-ACE2-4F4F-9178-9926F41749EA}";
    const std::string explorer = regpath::kExplorer;
    return {
        {regpath::kTypedPaths, "url1", REG_SZ, SzBytes("C:\\Secret"), true},
        {pidls, "MRUListEx", REG_BINARY, order, true},
        {pidls + "\\*", "0", REG_BINARY, pidl, true},
        {pidls + "\\txt", "0", REG_BINARY, pidl, true},
        {regpath::kLastVisitedPidlMru, "0", REG_BINARY, pidl, true},
        {regpath::kLastVisitedPidlMruLegacy, "0", REG_BINARY, pidl, true},
        {regpath::kCidSizeMru, "0", REG_BINARY, pidl, true},
        {older, "MRUList", REG_SZ, SzBytes("a"), true},
        {older + "\\doc", "a", REG_SZ, SzBytes("C:\\secret.doc"), true},
        {regpath::kLastVisitedMru, "a", REG_SZ, SzBytes("notepad.exe"), true},
        {regpath::kMapNetworkDriveMru, "a", REG_SZ, SzBytes("\\\\server\\secret"), true},
        {assist + "\\Count", "HRZR_PGYFRFFVBA", REG_BINARY, std::vector<std::uint8_t>(72, 1), true},
        {assist + "\\Count", "{1NP14R77-02R7-4R5Q-O744-2RO1NR5198O7}\\abgrcnq.rkr", REG_BINARY,
         std::vector<std::uint8_t>(72, 3), true},
        {regpath::kPaintRecentFiles, "File1", REG_SZ, SzBytes("C:\\secret.png"), true},
        {regpath::kWordpadRecentFiles, "File1", REG_SZ, SzBytes("C:\\secret.rtf"), true},
        {regpath::kRemoteDesktopDefault, "MRU0", REG_SZ, SzBytes("desk.example"), true},
        {kRemoteComputer, "UsernameHint", REG_SZ, SzBytes("me"), true},
        {assist + "\\Settings", "NoLog", REG_DWORD, dword, false},
        {assist, "Version", REG_DWORD, dword, false},
        {explorer + "\\Advanced", "Hidden", REG_DWORD, dword, false},
        {explorer + "\\ComDlg32", "Kept", REG_SZ, SzBytes("beside the lists"), false},
        {"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\View", "Width", REG_DWORD,
         dword, false},
        {"Software\\Microsoft\\Terminal Server Client\\LocalDevices", "desk.example", REG_DWORD,
         dword, false},
    };
}

inline void FillExplorerHistory() {
    for (const ExplorerEntry& e : ExplorerEntries()) WriteRaw(e.key, e.name, e.type, e.data);
}

// The three keys the lists live in, put back as they were at the end.
struct SavedExplorerKeys {
    SavedKey explorer{regpath::kExplorer};
    SavedKey applets{"Software\\Microsoft\\Windows\\CurrentVersion\\Applets"};
    SavedKey remote{"Software\\Microsoft\\Terminal Server Client"};
};

inline void ReadRegistryKey(const std::string& path, RegistryTree& tree) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != 0) return;
    tree[path + "\\"] = "";
    char name[1024];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, size = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &size) != 0) break;
        tree[path + "|" + name] = std::to_string(type) + ":" + std::string(data, data + size);
    }
    std::vector<std::string> subKeys;
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == 0; ++i) subKeys.push_back(name);
    RegCloseKey(key);
    for (const std::string& sub : subKeys) ReadRegistryKey(path + "\\" + sub, tree);
}

// The three keys and the program's settings.
inline RegistryTree ReadExplorerRoots() {
    RegistryTree tree;
    for (const char* root : {regpath::kExplorer, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets",
                             "Software\\Microsoft\\Terminal Server Client", regpath::kSettings})
        ReadRegistryKey(root, tree);
    return tree;
}

// What a clean leaves of `before`: no remote computer's key, and without the history values
// when `valuesGo`.
inline RegistryTree AfterExplorerClean(RegistryTree before, bool valuesGo = true) {
    for (const ExplorerEntry& e : ExplorerEntries()) {
        if (e.goes && valuesGo) before.erase(e.key + "|" + e.name);
    }
    before.erase(kRemoteComputer + "\\");
    before.erase(kRemoteComputer + "|UsernameHint");
    return before;
}
