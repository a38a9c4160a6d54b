#include <gtest/gtest.h>

#include "ExplorerHistoryKeys.h"
#include "FailingRegistryApi.h"
#include "clean/GeneralCleaning.h"
#include "settings/cRegistry.h"

// Every history value goes and nothing else; a value that cannot be deleted is told and the
// other traces still go; missing lists are nothing to clean.
TEST(CleanExplorerHistory, HistoryValuesGoKeysNeighboursAndSettingsStay) {
    SavedExplorerKeys saved;
    SavedKey settings{regpath::kSettings};
    const struct {
        const char* what;
        bool filled;
        RegCall failing;
        const char* block;
    } cases[] = {
        {"every list filled", true, RegCall::None, "Completed\r\n"},
        {"values that cannot be deleted", true, RegCall::DeleteValue,
         "Error: Failed to delete registry Key: '-2147483647',Section: "
         "'Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths',Key: 'url1\r\n"},
        {"no lists at all", false, RegCall::None, "Completed\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteRaw(regpath::kSettings, "ExplorerHistory", REG_SZ, SzBytes("True"));
        if (c.filled) FillExplorerHistory();
        const RegistryTree before = ReadExplorerRoots();
        ASSERT_EQ(before.count(kRemoteComputer + "\\"), c.filled ? 1u : 0u);
        FailingRegistryApi api;
        api.failing = c.failing;
        cRegistry registry(api);
        std::string report;

        CleanExplorerHistory(registry, report);

        EXPECT_EQ(report, std::string("Cleaning Explorer History\r\n") + c.block);
        EXPECT_EQ(ReadExplorerRoots(), AfterExplorerClean(before, c.failing == RegCall::None));
        EXPECT_EQ(api.opened, api.closed);
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kExplorer);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets");
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Microsoft\\Terminal Server Client");
    }
}
