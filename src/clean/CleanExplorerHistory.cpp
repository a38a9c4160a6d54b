// Explorer's own history lists: the values of each list's key go, the keys themselves stay (the
// shell and the programs expect to find them); of the remote desktops, the key of each
// computer goes, since its name is the computer's. Neighbouring keys and values (Explorer's
// settings, the shell folders, UserAssist's own "Settings") are never listed.
#include "clean/CleanItems.h"
#include "clean/FoundItem.h"
#include "clean/GeneralCleaning.h"
#include "clean/RegistryTraces.h"
#include "settings/RegistryPaths.h"

namespace {

// Which traces a history key holds.
enum class Reach {
    kValues,             // its values
    kValuesAndSubKeys,   // its values and those of each of its sub-keys
    kCountOfEachSubKey,  // the values of the "Count" key below each of its sub-keys
    kSubKeys,            // each of its sub-keys, whole
};

struct HistoryKey {
    const char* path;
    Reach reach;
};

const HistoryKey kHistoryKeys[] = {
    {regpath::kTypedPaths, Reach::kValues},
    {regpath::kOpenSavePidlMru, Reach::kValuesAndSubKeys},
    {regpath::kLastVisitedPidlMru, Reach::kValues},
    {regpath::kLastVisitedPidlMruLegacy, Reach::kValues},
    {regpath::kCidSizeMru, Reach::kValues},
    {regpath::kOpenSaveMru, Reach::kValuesAndSubKeys},
    {regpath::kLastVisitedMru, Reach::kValues},
    {regpath::kMapNetworkDriveMru, Reach::kValues},
    {regpath::kUserAssist, Reach::kCountOfEachSubKey},
    {regpath::kPaintRecentFiles, Reach::kValues},
    {regpath::kWordpadRecentFiles, Reach::kValues},
    {regpath::kRemoteDesktopDefault, Reach::kValues},
    {regpath::kRemoteDesktopServers, Reach::kSubKeys},
};

void AddValues(cRegistry& registry, const std::string& key, std::vector<RegistryTrace>& traces) {
    for (std::string& name : ValueNames(registry, key)) traces.push_back({key, std::move(name)});
}

void AddTraces(cRegistry& registry, const HistoryKey& history, std::vector<RegistryTrace>& traces) {
    const std::string key = history.path;
    if (history.reach == Reach::kValues || history.reach == Reach::kValuesAndSubKeys)
        AddValues(registry, key, traces);
    if (history.reach == Reach::kValues) return;
    for (const std::string& sub : SubKeyNames(registry, key)) {
        const std::string path = key + "\\" + sub;
        if (history.reach == Reach::kSubKeys) traces.push_back({path, "", true});
        if (history.reach == Reach::kValuesAndSubKeys) AddValues(registry, path, traces);
        if (history.reach == Reach::kCountOfEachSubKey)
            AddValues(registry, path + "\\" + regpath::kUserAssistCount, traces);
    }
}

}  // namespace

std::vector<RegistryTrace> FindExplorerHistory(cRegistry& registry) {
    std::vector<RegistryTrace> traces;
    for (const HistoryKey& history : kHistoryKeys) AddTraces(registry, history, traces);
    return traces;
}

FoundRow FindExplorerHistoryItem(cRegistry& registry) {
    Findings findings;
    FindFailure failure;
    std::vector<RegistryTrace> traces;
    failure.Catch(findings, [&] { traces = FindExplorerHistory(registry); });
    for (const RegistryTrace& trace : traces) {
        ++findings.entries;
        const std::string key = "HKEY_CURRENT_USER\\" + trace.key;
        findings.AddLine(trace.wholeKey ? key : key + ": " + trace.value);
    }
    return ItemRow(CleanItem::ExplorerHistory, std::move(findings),
                   [&registry, failure, traces](std::string&) {
                       failure.Rethrow();
                       RemoveRegistryTraces(registry, traces);
                       return true;
                   });
}

void CleanExplorerHistory(cRegistry& registry, std::string& report) {
    FindExplorerHistoryItem(registry).clean(report);
}
