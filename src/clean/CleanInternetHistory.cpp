#include "clean/CleanItems.h"
#include "clean/InternetCleaning.h"
#include "clean/LocalStoreFilter.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/ProgramState.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

// Without a profile folder there is no profile file: the bare name would point at the root of
// the current drive.
void DeleteNetscapeHistory(const std::string& profileFolder) {
    if (profileFolder.empty()) return;
    const std::string path = profileFolder + "\\history.dat";
    if (FileExists(path)) RemoveFile(path, false);
}

void EmptyTypedUrls(cRegistry& registry) {
    AddressKey(registry, hkey::kCurrentUser, regpath::kTypedUrls);
    registry.DeleteKey();
    registry.CreateKey();
}

// Removes the typed addresses; the file is not written at all when it holds none, and is
// otherwise replaced in one step, so a failure never leaves the profile without the file.
void FilterNetscapeLocalStore(const std::string& profileFolder) {
    if (profileFolder.empty()) {
        throw AppError(err::kFileNotFound, "CleanURLHistory", "File not found");
    }
    const std::string path = profileFolder + "\\localstore.rdf";
    TextStream stream = OpenTextFile(path, IOMode::ForReading);
    const std::string text = stream.ReadAll();
    stream.Close();
    const LocalStoreText filtered = FilterLocalStore(text);
    if (!filtered.found) return;
    ReplaceFileText(path, filtered.kept);
}

}  // namespace

void CleanInternetHistory(std::string& report, const std::string& browser,
                          const std::string& profileFolder) {
    WriteItemBlock(CleanItem::InternetHistory, report, [&] {
        if (browser == "IE") {
            if (!Program().automaticMode) Program().interactiveHistory = true;
            CallClearHistory(ProgramFolder());
        } else {
            DeleteNetscapeHistory(profileFolder);
        }
        return true;
    });
}

void CleanURLHistory(cRegistry& registry, std::string& report, const std::string& browser,
                     const std::string& profileFolder) {
    WriteItemBlock(CleanItem::InternetURLHistory, report, [&] {
        if (browser == "IE") {
            EmptyTypedUrls(registry);
        } else {
            FilterNetscapeLocalStore(profileFolder);
        }
        return true;
    });
}
