#include "app/Commands.h"

#include <windows.h>

#include "app/Main.h"
#include "app/frmProgress.h"
#include "browser/BrowserDetection.h"
#include "clean/CleanRun.h"
#include "clean/RunClean.h"
#include "files/FileSystem.h"
#include "platform/UiServices.h"
#include "settings/SettingsStore.h"
#include "settings/cRegistry.h"

namespace {

// The program's services, with every message that would be shown counted instead: nobody may
// be there to answer it.
class NoMessageUi : public UiServices {
  public:
    int ShowMessage(const std::string&, UINT) override {
        ++messages;
        return IDOK;
    }
    int messages = 0;
};

// The settings as stored, creating none that is missing.
cSettings ReadStoredSettings(cRegistry& registry) {
    cSettings settings;
    DetectDefaultBrowser(registry, settings);
    LoadSettings(settings, registry, false);
    return settings;
}

}  // namespace

int CleanWithoutWindow() {
    DetectWindowsNT();
    NoMessageUi ui;
    const UiOverride silent(ui);
    try {
        cRegistry registry;
        CleanPlan plan = PlanClean(registry, ReadStoredSettings(registry));
        if (CountSelectedItems(plan.settings) == 0) return kExitNothingSelected;
        frmProgress progress;
        const std::string report = RunPlannedClean(registry, plan, kFalse, progress);
        return ui.messages == 0 ? CleanExitCode(report) : kExitFailed;
    } catch (const std::exception&) {
        return kExitFailed;
    }
}

int PreviewWithoutWindow(const std::string& file) {
    DetectWindowsNT();
    NoMessageUi ui;
    const UiOverride silent(ui);
    try {
        cRegistry registry;
        frmProgress progress;
        const std::string text = RunPreviewText(registry, ReadStoredSettings(registry), progress);
        if (text.empty()) return kExitNothingSelected;
        ReplaceFileText(file, text);
        return ui.messages == 0 ? kExitDone : kExitFailed;
    } catch (const std::exception&) {
        return kExitFailed;
    }
}

std::optional<int> RunCommand(const Command& command) {
    switch (command.kind) {
        case Command::Kind::Clean:
            return CleanWithoutWindow();
        case Command::Kind::Help:
            Ui().ShowMessage(kUsageText, MB_OK | MB_ICONINFORMATION);
            return kExitDone;
        case Command::Kind::Preview:
            return PreviewWithoutWindow(command.file);
        case Command::Kind::Invalid:
            Ui().ShowMessage(kUsageText, MB_OK | MB_ICONEXCLAMATION);
            return kExitUsage;
        default:
            return std::nullopt;
    }
}
