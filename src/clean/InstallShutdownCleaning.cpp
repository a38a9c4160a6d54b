#include "clean/ShutdownCleaning.h"
#include "clean/ShutdownFiles.h"
#include "clean/ShutdownText.h"
#include "files/FileSystem.h"
#include "settings/ProgramState.h"

namespace {

// scripts.ini names only the command files that exist; those start-up could not write are
// written now.
void InstallNT(ShutdownWanted wanted, cRegistry& registry) {
    RemoveFileIfPresent(ScriptsIniPath());
    if (!wanted.Any()) return;
    if (!FileExists(DelTempCmdPath()) || !FileExists(DelHistoryCmdPath())) {
        CreateCommandFiles(ReadBrowserFolders(registry));
    }
    wanted.cache = wanted.cache && FileExists(DelTempCmdPath());
    wanted.history = wanted.history && FileExists(DelHistoryCmdPath());
    if (wanted.Any()) ReplaceFileText(ScriptsIniPath(), ScriptsIniText(wanted));
}

// The backup holds the user's own autoexec.bat. One left by an exit that no automatic start
// has undone yet already is that file: it is kept, and autoexec.bat is written from it, so the
// lines never appear twice.
void Install9x(ShutdownWanted wanted, cRegistry& registry) {
    if (!wanted.Any()) return;
    const BrowserFolders folders = ReadBrowserFolders(registry);
    wanted.cache =
        WriteDeletionScriptOnce(kDelTempBat, "deltree /Y", folders.cache) && wanted.cache;
    wanted.history =
        WriteDeletionScriptOnce(kDelHistBat, "deltree /Y", folders.history) && wanted.history;
    if (!wanted.Any()) return;
    std::string original;
    if (FileExists(kAutoexecCln)) {
        original = ReadWholeText(kAutoexecCln);
    } else {
        if (FileExists(kAutoexecBat)) original = ReadWholeText(kAutoexecBat);
        ReplaceFileText(kAutoexecCln, original);
    }
    ReplaceFileText(kAutoexecBat, original + AutoexecAddition(wanted));
}

}  // namespace

void InstallShutdownCleaning(cSettings& settings, cRegistry& registry) {
    const ShutdownWanted wanted =
        WantedAtShutdown(settings, Program().interactiveCache, Program().interactiveHistory);
    if (Program().windowsNT) {
        InstallNT(wanted, registry);
    } else {
        Install9x(wanted, registry);
    }
}
