// Explorer's history lists on the real registry, filled as Windows fills them: Open/Save
// dialogs' lists of item-id lists (PIDLs) ordered by MRUListEx, the older lists ordered by
// MRUList, UserAssist's counters under ROT13 names. The whole of every touched key is read
// before and after, so that a value or key cleaned that should have stayed shows.
#include <gtest/gtest.h>

#include <map>

#include "FailingRegistryApi.h"
#include "RegistrySandbox.h"
#include "clean/GeneralCleaning.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
// Every key ("path\") and value ("path|name" -> type and data) below the keys read.
using RegistryTree = std::map<std::string, std::string>;

const char* const kRoots[] = {regpath::kExplorer,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Applets",
                              "Software\\Microsoft\\Terminal Server Client", regpath::kSettings};
const std::string kUserAssistGuid = "\\{CEBFF5CD-ACE2-4F4F-9178-9926F41749EA}";

void ReadKey(const std::string& path, RegistryTree& tree) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != 0) return;
    tree[path + "\\"] = "";
    char name[16384];
    BYTE data[4096];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, size = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &size) != 0) break;
        tree[path + "|" + name] = std::to_string(type) + ":" + std::string(data, data + size);
    }
    std::vector<std::string> subKeys;
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == 0; ++i) subKeys.push_back(name);
    RegCloseKey(key);
    for (const std::string& sub : subKeys) ReadKey(path + "\\" + sub, tree);
}

RegistryTree ReadRoots() {
    RegistryTree tree;
    for (const char* root : kRoots) ReadKey(root, tree);
    return tree;
}

Bytes Utf16(const std::string& text) {
    Bytes bytes;
    for (char c : text) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), 0});
    return bytes;
}

// A one-item list of item ids as the shell stores it: the item's size, its bytes, a zero end.
Bytes Pidl(const std::string& item) {
    Bytes bytes(item.size() + 4, 0);
    bytes[0] = static_cast<std::uint8_t>(item.size() + 2);
    std::copy(item.begin(), item.end(), bytes.begin() + 2);
    return bytes;
}

const Bytes kMruListEx{1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};

// A list of the Open and Save dialogs: a file's item ids, a program with the folder it last
// used, and their order.
void WriteMruEx(const std::string& path) {
    Bytes program = Utf16("notepad.exe");
    program.insert(program.end(), {0, 0});
    const Bytes folder = Pidl("\x1f\x50secret-folder");
    program.insert(program.end(), folder.begin(), folder.end());
    WriteRaw(path, "0", REG_BINARY, Pidl("\x32secret-report.txt"));
    WriteRaw(path, "1", REG_BINARY, program);
    WriteRaw(path, "MRUListEx", REG_BINARY, kMruListEx);
}

// Each history list with two entries, and a neighbour of each kind that must stay.
void FillHistoryLists() {
    const std::string dialogs = std::string(regpath::kExplorer) + "\\ComDlg32";
    for (const char* key : {regpath::kOpenSavePidlMru, regpath::kLastVisitedPidlMru,
                            regpath::kLastVisitedPidlMruLegacy, regpath::kCidSizeMru})
        WriteMruEx(key);
    WriteMruEx(std::string(regpath::kOpenSavePidlMru) + "\\*");
    WriteMruEx(std::string(regpath::kOpenSavePidlMru) + "\\txt");
    for (const std::string& path :
         {std::string(regpath::kOpenSaveMru), std::string(regpath::kOpenSaveMru) + "\\doc",
          std::string(regpath::kLastVisitedMru), std::string(regpath::kMapNetworkDriveMru)}) {
        WriteRaw(path, "a", REG_SZ, SzBytes("\\\\fileserver\\secret"));
        WriteRaw(path, "b", REG_SZ, SzBytes("C:\\Users\\me\\secret.doc"));
        WriteRaw(path, "MRUList", REG_SZ, SzBytes("ba"));
    }
    WriteRaw(regpath::kTypedPaths, "url1", REG_SZ, SzBytes("C:\\Users\\me\\Secret"));
    WriteRaw(regpath::kTypedPaths, "url2", REG_SZ, SzBytes("\\\\fileserver\\secret"));
    const std::string assist = regpath::kUserAssist + kUserAssistGuid;
    Bytes counter(72, 0);
    counter[4] = 3;  // the run count
    WriteRaw(assist + "\\Count", "HRZR_PGYFRFFVBA", REG_BINARY, counter);
    WriteRaw(assist + "\\Count", "{1NP14R77-02R7-4R5Q-O744-2RO1NR5198O7}\\abgrcnq.rkr", REG_BINARY,
             counter);
    WriteRaw(assist + "\\Settings", "NoLog", REG_DWORD, {0, 0, 0, 0});
    WriteRaw(assist, "Version", REG_DWORD, {5, 0, 0, 0});
    for (const char* list : {regpath::kPaintRecentFiles, regpath::kWordpadRecentFiles}) {
        WriteRaw(list, "File1", REG_SZ, SzBytes("C:\\Users\\me\\secret.png"));
        WriteRaw(list, "File2", REG_SZ, SzBytes("C:\\Users\\me\\other.png"));
    }
    WriteRaw("Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\View", "WindowWidth",
             REG_DWORD, {0, 4, 0, 0});
    WriteRaw(regpath::kRemoteDesktopDefault, "MRU0", REG_SZ, SzBytes("desk.example.com"));
    WriteRaw(regpath::kRemoteDesktopDefault, "MRU1", REG_SZ, SzBytes("10.0.0.7"));
    WriteRaw(std::string(regpath::kRemoteDesktopServers) + "\\desk.example.com", "UsernameHint",
             REG_SZ, SzBytes("CORP\\me"));
    CreateRawKey(std::string(regpath::kRemoteDesktopServers) + "\\10.0.0.7\\Nested");
    WriteRaw("Software\\Microsoft\\Terminal Server Client\\LocalDevices", "desk.example.com",
             REG_DWORD, {0x0d, 0, 0, 0});
    WriteRaw(std::string(regpath::kExplorer) + "\\Advanced", "Hidden", REG_DWORD, {1, 0, 0, 0});
    WriteRaw(dialogs, "Kept", REG_SZ, SzBytes("a value beside the lists"));
}

// The keys whose values go, and the key whose sub-keys go.
bool IsHistoryValue(const std::string& entry) {
    const std::string key = entry.substr(0, entry.find('|'));
    if (entry.find('|') == std::string::npos) return false;
    for (const char* list :
         {regpath::kTypedPaths, regpath::kLastVisitedPidlMru, regpath::kLastVisitedPidlMruLegacy,
          regpath::kCidSizeMru, regpath::kLastVisitedMru, regpath::kMapNetworkDriveMru,
          regpath::kPaintRecentFiles, regpath::kWordpadRecentFiles,
          regpath::kRemoteDesktopDefault}) {
        if (key == list) return true;
    }
    for (const char* parent : {regpath::kOpenSavePidlMru, regpath::kOpenSaveMru}) {
        const std::string prefix = std::string(parent) + "\\";
        if (key == parent ||
            (key.starts_with(prefix) && key.find('\\', prefix.size()) == std::string::npos))
            return true;
    }
    return key.starts_with(regpath::kUserAssist) && key.ends_with("}\\Count");
}

bool IsRemoteComputer(const std::string& entry) {
    return entry.starts_with(std::string(regpath::kRemoteDesktopServers) + "\\") &&
           entry != std::string(regpath::kRemoteDesktopServers) + "\\";
}

class CleanExplorerHistoryTest : public ::testing::Test {
  protected:
    SavedKey explorer{regpath::kExplorer};
    SavedKey applets{"Software\\Microsoft\\Windows\\CurrentVersion\\Applets"};
    SavedKey remote{"Software\\Microsoft\\Terminal Server Client"};
    SavedKey settings{regpath::kSettings};
};

}  // namespace

TEST_F(CleanExplorerHistoryTest, ListedValuesGoKeysAndNeighboursStay) {
    FailingRegistryApi api;
    const struct {
        const char* what;
        bool filled;
        RegCall failing;
        const char* block;  // after the title
    } cases[] = {
        {"every list filled", true, RegCall::None, "Completed\r\n"},
        // The remote computers' keys still go; the first failure is told.
        {"values that cannot be deleted", true, RegCall::DeleteValue,
         "Error: Failed to delete registry Key: '-2147483647',Section: "
         "'Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths',Key: 'url1\r\n"},
        {"no lists at all", false, RegCall::None, "Completed\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteRaw(regpath::kSettings, "ExplorerHistory", REG_SZ, SzBytes("True"));
        if (c.filled) FillHistoryLists();
        const RegistryTree before = ReadRoots();
        ASSERT_EQ(before.count(std::string(regpath::kRemoteDesktopServers) + "\\10.0.0.7\\"),
                  c.filled ? 1u : 0u);
        RegistryTree expected;
        for (const auto& [entry, data] : before) {
            if (IsRemoteComputer(entry)) continue;
            if (c.failing == RegCall::None && IsHistoryValue(entry)) continue;
            expected[entry] = data;
        }
        api.failing = c.failing;
        cRegistry registry(api);
        std::string report;

        CleanExplorerHistory(registry, report);

        EXPECT_EQ(report, std::string("Cleaning Explorer History\r\n") + c.block);
        EXPECT_EQ(ReadRoots(), expected);
        EXPECT_EQ(api.opened, api.closed);
        for (const char* root : kRoots) RegDeleteTreeA(HKEY_CURRENT_USER, root);
    }
}
