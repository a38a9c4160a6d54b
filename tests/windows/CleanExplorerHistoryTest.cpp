#include <gtest/gtest.h>

#include "ExplorerHistoryKeys.h"
#include "FailingRegistryApi.h"
#include "clean/GeneralCleaning.h"
#include "settings/cRegistry.h"

// Every history value goes and nothing else: the registry is then as it was with the lists'
// keys empty. A value that cannot be deleted is told and the other traces still go; missing
// lists are nothing to clean and are not created.
TEST(CleanExplorerHistory, HistoryValuesGoKeysNeighboursAndSettingsStay) {
    SavedExplorerKeys saved;
    SavedKey settings{regpath::kSettings};
    const std::string typed = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TypedPaths";
    const struct {
        const char* what;
        bool filled;
        RegCall failing;
        std::string block;
    } cases[] = {
        {"every list filled", true, RegCall::None, "Completed\r\n"},
        {"values that cannot be deleted", true, RegCall::DeleteValue,
         "Error: Failed to delete registry Key: '-2147483647',Section: '" + typed +
             "',Key: 'url1\r\n"},
        {"no lists at all", false, RegCall::None, "Completed\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* root : kExplorerRoots) RegDeleteTreeA(HKEY_CURRENT_USER, root);
        WriteRaw(regpath::kSettings, "ExplorerHistory", REG_SZ, SzBytes("True"));
        if (c.filled) FillExplorerKeys(false);
        const std::string emptied = ExplorerRegistryText();
        if (c.filled) FillExplorerKeys(true);
        FailingRegistryApi api;
        api.failing = c.failing;
        cRegistry registry(api);
        std::string report;

        CleanExplorerHistory(registry, report);

        EXPECT_EQ(report, std::string("Cleaning Explorer History\r\n") + c.block);
        if (c.failing == RegCall::None) {
            EXPECT_EQ(ExplorerRegistryText(), emptied);
        }
        EXPECT_EQ(RawKeyExists(HKEY_CURRENT_USER, kRemoteComputer), false);
        EXPECT_EQ(ReadRaw(typed, "url1").exists, c.failing != RegCall::None);
        EXPECT_EQ(api.opened, api.closed);
    }
}
