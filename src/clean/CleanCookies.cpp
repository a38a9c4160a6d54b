#include "browser/ProfileFolder.h"
#include "clean/CleanItems.h"
#include "clean/CookieCleaning.h"
#include "clean/ReportText.h"
#include "cookies/CookieLines.h"
#include "cookies/KeepList.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

constexpr const char* kIndexFile = "index.dat";

// The shell's cookie folder; an empty or shared folder (a drive root, the Windows folder, the
// profile folder) is never cleaned.
std::string IECookieFolder(cRegistry& registry) {
    std::string folder = ReadIECookieFolder(registry);
    if (folder.empty() || IsProtectedFolder(folder)) {
        throw AppError(err::kPathNotFound, "CleanCookies", "No cookie folder of its own");
    }
    return folder;
}

// Deletes every unkept cookie file; one that cannot be deleted stays and the others still go.
// True when every unkept file went.
bool CleanIECookies(cRegistry& registry) {
    const Folder folder = GetFolder(IECookieFolder(registry));
    const KeepSet keep = ReadKeepSet(registry, kFalse);
    bool complete = true;
    for (const File& file : folder.Files()) {
        const std::string name = file.Name();
        if (name == kIndexFile || keep.contains(name)) continue;
        try {
            file.Delete(true);
        } catch (const AppError&) {
            complete = false;
        }
    }
    return complete;
}

// Rewrites "cookies.txt" with only what is kept, beside the old file and moved over it in one
// step. A line that is not a cookie leaves the file exactly as it was; false then.
bool CleanNSCookies(cRegistry& registry, const cSettings& settings) {
    const std::string folder = GetNSProfileFolder(settings);
    if (folder.empty()) return true;  // no profile chosen: no cookie file to clean
    const std::string path = folder + "\\cookies.txt";
    if (!FileExists(path)) return true;
    const KeepSet keep = ReadKeepSet(registry, kTrue);
    TextStream stream = OpenTextFile(path, IOMode::ForReading);
    const std::string text = stream.ReadAll();
    stream.Close();
    std::optional<std::string> kept = FilterCookieText(text, keep);
    if (!kept) return false;
    ReplaceFileText(path, *kept);
    return true;
}

}  // namespace

void CleanCookies(cRegistry& registry, std::string& report, const std::string& browser,
                  const cSettings& settings) {
    WriteItemBlock(CleanItem::InternetCookies, report, [&] {
        return browser == "IE" ? CleanIECookies(registry) : CleanNSCookies(registry, settings);
    });
}
