#include "browser/NetscapeProfiles.h"

#include <algorithm>
#include <cstdint>

#include "browser/ProfileScan.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/Progress.h"
#include "platform/System.h"
#include "platform/UiServices.h"
#include "settings/ProgramState.h"
#include "settings/RegistryPaths.h"
#include "settings/SettingsStore.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

constexpr std::size_t kChunk = 100;
constexpr long kInvalidArgument = 5;

std::string ApplicationDataFolder(cRegistry& registry) {
    AddressValue(registry, hkey::kCurrentUser, regpath::kShellFolders, regpath::kAppDataValue);
    registry.SetValueType(regtype::kSz);
    return registry.Value().ToText();
}

// Unloads the progress window however the reading ends.
struct ProgressShown {
    IProgress& window;
    ~ProgressShown() { window.Unload(); }
};

// The whole file, read in chunks with the progress window advanced after each chunk.
std::string ReadWithProgress(const std::string& path, IProgress& progress) {
    TextStream stream = OpenTextFile(path, IOMode::ForReading);
    const std::uint64_t size = GetFile(path).Size();
    ProgressShown shown{progress};
    // An empty file would give the bar a maximum below its first value; it shows full instead.
    progress.SetMax(std::max(static_cast<float>(size), 1.0f));
    progress.SetCaption("Reading Netscape Profiles...");
    progress.Show();
    progress.SetValue(1);
    Ui().DoEvents();
    std::string content;
    content.reserve(static_cast<std::size_t>(size));
    while (!stream.AtEndOfStream()) {
        content += stream.Read(kChunk);
        if (!stream.AtEndOfStream()) progress.SetValue(progress.Value() + kChunk);
        Ui().DoEvents();
    }
    return content;
}

int ListCount(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)); }

std::string ListEntry(HWND list, int index) {
    auto length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

void ReadNetscapeProfiles(cRegistry& registry, HWND cboProfile, IProgress& progress) {
    const std::string base = ApplicationDataFolder(registry) + "\\Mozilla";
    const ProfileScanResult scan =
        ScanProfileContent(ReadWithProgress(base + "\\registry.dat", progress));
    std::vector<NSProfile>& table = Program().nsProfiles;
    for (const NSProfile& profile : scan.found) {
        if (FolderExists(profile.folder)) table.push_back(profile);
    }
    if (scan.stoppedAtNamelessFolder) {
        throw AppError(kInvalidArgument, ProgramName(), "Invalid procedure call or argument");
    }
    SendMessageA(cboProfile, CB_RESETCONTENT, 0, 0);
    for (const NSProfile& profile : table) {
        SendMessageA(cboProfile, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(profile.name.c_str()));
    }
    if (ListCount(cboProfile) > 0) SendMessageA(cboProfile, CB_SETCURSEL, 0, 0);
}

bool SelectListEntry(HWND list, const std::string& text) {
    for (int index = 0, count = ListCount(list); index < count; ++index) {
        if (ListEntry(list, index) == text) {
            SendMessageA(list, CB_SETCURSEL, index, 0);
            return true;
        }
    }
    return false;
}

void ShowProfileSetting(cSettings& settings, HWND cboProfile, cRegistry& registry) {
    const std::string saved = settings.DefaultNSProfile();
    if (saved.empty() || SelectListEntry(cboProfile, saved)) return;
    const std::vector<NSProfile>& table = Program().nsProfiles;
    if (table.empty()) return;
    const std::string first = table.front().name;
    settings.SetDefaultNSProfile(first);
    if (!SelectListEntry(cboProfile, first)) return;
    SaveStringSetting(registry, regpath::kProfileValue, first);
}
