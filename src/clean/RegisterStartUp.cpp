#include "clean/ShutdownCleaning.h"
#include "clean/ShutdownFiles.h"
#include "clean/ShutdownText.h"
#include "files/FileSystem.h"
#include "platform/System.h"
#include "settings/ProgramState.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

void WriteRunValue(cRegistry& registry, const std::string& programFolder) {
    AddressValue(registry, hkey::kCurrentUser, regpath::kRun, regpath::kRunValue);
    registry.SetValueType(regtype::kSz);
    registry.SetLiteralText(RunValueText(programFolder));
}

// The installer's uninstall log learns once that the Run value is to be removed; a program
// folder without the log (another installer, a folder copied by hand) has nothing to record.
void RecordInUninstallLog(const std::string& programFolder) {
    const std::string log = programFolder + "\\" + kUninstallLogName;
    if (!FileExists(log)) return;
    const std::string addition = UninstallLogAddition(ReadWholeText(log));
    if (addition.empty()) return;
    TextStream stream = OpenTextFile(log, IOMode::ForAppending, false);
    stream.Write(addition);
    stream.Close();
}

template <typename Step>
void Silently(Step step) {
    try {
        step();
    } catch (const std::exception&) {
        // Start-up goes on without this step; closing tells the user what cannot be installed.
    }
}

// The last exit installed cleaning for the boot that has just happened; it has run now.
void UndoLastExit9x() {
    if (FileExists(kAutoexecCln)) MoveFileReplacing(kAutoexecCln, kAutoexecBat);
    RemoveFileIfPresent(kDelTempBat);
    RemoveFileIfPresent(kDelHistBat);
}

}  // namespace

void RegisterStartUp(cRegistry& registry) { RegisterStartUp(registry, ProgramFolder()); }

void RegisterStartUp(cRegistry& registry, const std::string& programFolder) {
    Silently([&] { WriteRunValue(registry, programFolder); });
    Silently([&] { RecordInUninstallLog(programFolder); });
    Silently([&] { PrepareShutdownScripts(registry); });
}

void PrepareShutdownScripts(cRegistry& registry) {
    if (!Program().windowsNT) {
        if (Program().automaticMode) UndoLastExit9x();
        return;
    }
    // The undo comes first, so that command files that cannot be written never keep the last
    // exit's scripts.ini (and with it the deletion at every shut-down) in place.
    if (Program().automaticMode) RemoveFileIfPresent(ScriptsIniPath());
    CreateCommandFiles(ReadBrowserFolders(registry));
}
