#include "clean/CleanItems.h"
#include "clean/FoundItem.h"
#include "clean/FoundRegistry.h"
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
std::string NetscapeHistory(const std::string& profileFolder) {
    if (profileFolder.empty()) return "";
    const std::string path = profileFolder + "\\history.dat";
    return FileExists(path) ? path : "";
}

void EmptyTypedUrls(cRegistry& registry) {
    AddressKey(registry, hkey::kCurrentUser, regpath::kTypedUrls);
    registry.DeleteKey();
    registry.CreateKey();
}

// The typed addresses of "localstore.rdf", read once; the file is not written at all when it
// holds none, and is otherwise replaced in one step, so a failure never leaves the profile
// without the file.
struct LocalStore {
    std::string path;
    LocalStoreText filtered;
};

LocalStore FindNetscapeLocalStore(const std::string& profileFolder, Findings& findings) {
    if (profileFolder.empty()) {
        throw AppError(err::kFileNotFound, "CleanURLHistory", "File not found");
    }
    LocalStore store{profileFolder + "\\localstore.rdf", {}};
    TextStream stream = OpenTextFile(store.path, IOMode::ForReading);
    const std::string text = stream.ReadAll();
    stream.Close();
    store.filtered = FilterLocalStore(text);
    if (store.filtered.found) {
        ++findings.entries;
        findings.AddLine(store.path + ": the typed addresses");
    }
    return store;
}

}  // namespace

// Internet Explorer's history is cleared whole through Windows, which alone lists it: reading
// it here would start WinINet, which rewrites the shell's folder settings.
FoundRow FindInternetHistory(const std::string& browser, const std::string& profileFolder) {
    Findings findings;
    FindFailure failure;
    std::string history;
    failure.Catch(findings, [&] {
        if (browser == "IE") {
            findings.uncounted = "every history entry";
            findings.AddLine("Internet Explorer: every history entry");
        } else {
            history = NetscapeHistory(profileFolder);
            if (!history.empty()) findings.AddFile(history, GetFile(history).Size());
        }
    });
    return ItemRow(CleanItem::InternetHistory, std::move(findings),
                   [browser, history, failure](std::string&) {
                       failure.Rethrow();
                       if (browser == "IE") {
                           if (!Program().automaticMode) Program().interactiveHistory = true;
                           CallClearHistory(ProgramFolder());
                       } else if (!history.empty()) {
                           RemoveFile(history, false);
                       }
                       return true;
                   });
}

FoundRow FindURLHistory(cRegistry& registry, const std::string& browser,
                        const std::string& profileFolder) {
    Findings findings;
    FindFailure failure;
    LocalStore store;
    failure.Catch(findings, [&] {
        if (browser == "IE") {
            FindKeyValues(registry, regpath::kTypedUrls, findings);
        } else {
            store = FindNetscapeLocalStore(profileFolder, findings);
        }
    });
    return ItemRow(CleanItem::InternetURLHistory, std::move(findings),
                   [&registry, browser, failure, store](std::string&) {
                       failure.Rethrow();
                       if (browser == "IE") {
                           EmptyTypedUrls(registry);
                       } else if (store.filtered.found) {
                           ReplaceFileText(store.path, store.filtered.kept);
                       }
                       return true;
                   });
}

void CleanInternetHistory(std::string& report, const std::string& browser,
                          const std::string& profileFolder) {
    FindInternetHistory(browser, profileFolder).clean(report);
}

void CleanURLHistory(cRegistry& registry, std::string& report, const std::string& browser,
                     const std::string& profileFolder) {
    FindURLHistory(registry, browser, profileFolder).clean(report);
}
