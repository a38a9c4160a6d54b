#include <map>
#include <set>

#include "browser/ProfileFolder.h"
#include "clean/CleanItems.h"
#include "clean/CookieCleaning.h"
#include "clean/FoundItem.h"
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

constexpr const char* kKeptReason = "site to keep";

// Every cookie file but the index and the kept ones.
std::vector<File> FindIECookies(cRegistry& registry, bool preview, Findings& findings) {
    const Folder folder = GetFolder(IECookieFolder(registry));
    const KeepSet keep = ReadKeepSet(registry, kFalse, !preview);
    std::vector<File> doomed;
    for (File& file : folder.Files()) {
        const std::string name = file.Name();
        if (name == kIndexFile) {
            findings.AddKept(file.Path(), "the browser's index");
        } else if (keep.contains(name)) {
            ++findings.sitesKept;
            findings.AddKept(name, kKeptReason);
        } else {
            findings.AddFile(file.Path(), file.Size());
            doomed.push_back(std::move(file));
        }
    }
    return doomed;
}

// Deletes the listed cookie files; one that cannot be deleted stays and the others still go.
// True when every one went.
bool DeleteIECookies(const std::vector<File>& files) {
    bool complete = true;
    for (const File& file : files) {
        try {
            file.Delete(true);
        } catch (const AppError&) {
            complete = false;
        }
    }
    return complete;
}

// The cookies of "cookies.txt" per site (its first field), those that go and those kept.
void CountNSCookies(const std::string& text, const KeepSet& keep, Findings& findings) {
    std::map<std::string, std::uint64_t> doomed;
    std::set<std::string> kept;
    for (std::string_view line : SplitCookieLines(text)) {
        if (IsCookieComment(line)) continue;
        const std::optional<std::string_view> name = CookieName(line);
        if (!name) continue;
        if (keep.contains(*name)) {
            kept.emplace(*name);
        } else {
            ++doomed[std::string(*name)];
        }
    }
    for (const auto& [site, count] : doomed) {
        findings.cookies += count;
        ++findings.sites;
        findings.AddLine("cookies of " + site + " (" + std::to_string(count) + ")");
    }
    for (const std::string& site : kept) findings.AddKept(site, kKeptReason);
    findings.sitesKept += kept.size();
}

// What "cookies.txt" keeps, read once: the file is then rewritten with it beside the old file
// and moved over it in one step. A line that is not a cookie leaves the file exactly as it
// was. No path when there is no file to clean.
struct NSCookieFile {
    std::string path;
    std::optional<std::string> kept;
};

NSCookieFile FindNSCookies(cRegistry& registry, const cSettings& settings, bool preview,
                           Findings& findings) {
    const std::string folder = GetNSProfileFolder(settings);
    if (folder.empty()) return {};  // no profile chosen: no cookie file to clean
    const std::string path = folder + "\\cookies.txt";
    if (!FileExists(path)) return {};
    const KeepSet keep = ReadKeepSet(registry, kTrue, !preview);
    TextStream stream = OpenTextFile(path, IOMode::ForReading);
    const std::string text = stream.ReadAll();
    stream.Close();
    NSCookieFile file{path, FilterCookieText(text, keep)};
    if (file.kept) {
        CountNSCookies(text, keep, findings);
    } else {
        findings.AddLine("Error: " + path + " holds a line that is not a cookie");
    }
    return file;
}

bool CleanNSCookies(const NSCookieFile& file) {
    if (file.path.empty()) return true;
    if (!file.kept) return false;
    ReplaceFileText(file.path, *file.kept);
    return true;
}

}  // namespace

FoundRow FindCookies(cRegistry& registry, const std::string& browser, const cSettings& settings,
                     bool preview) {
    Findings findings;
    FindFailure failure;
    std::vector<File> ieFiles;
    NSCookieFile nsFile;
    failure.Catch(findings, [&] {
        if (browser == "IE") {
            ieFiles = FindIECookies(registry, preview, findings);
        } else {
            nsFile = FindNSCookies(registry, settings, preview, findings);
        }
    });
    return ItemRow(CleanItem::InternetCookies, std::move(findings),
                   [failure, browser, ieFiles, nsFile](std::string&) {
                       failure.Rethrow();
                       return browser == "IE" ? DeleteIECookies(ieFiles) : CleanNSCookies(nsFile);
                   });
}

void CleanCookies(cRegistry& registry, std::string& report, const std::string& browser,
                  const cSettings& settings) {
    FindCookies(registry, browser, settings, false).clean(report);
}
