#include "clean/ProfileParts.h"

#include <exception>
#include <set>

#include "clean/FirstFailure.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/NumberText.h"

const FamilyParts& PartsOf(BrowserFamily family) {
    return family == BrowserFamily::kFirefox ? kFirefoxParts : kChromiumParts;
}

FoundPart FindPart(const std::function<std::function<void()>(Findings&)>& find) {
    FoundPart part;
    try {
        part.clean = find(part.findings);
    } catch (const std::exception& failure) {
        part.findings.AddLine(std::string("Error: ") + failure.what());
        part.clean = [failure = std::current_exception()] { std::rethrow_exception(failure); };
    }
    return part;
}

void FoundFiles::FindFile(const std::string& path, Findings& findings) {
    if (!FileExists(path)) return;
    findings.AddFile(path, GetFile(path).Size());
    files.push_back(path);
}

void FoundFiles::FindFolder(const std::string& path, bool filesOnly, Findings& findings) {
    folders.push_back(FindFolderContents(path, filesOnly, findings));
}

void FoundFiles::FindWholeFolder(const std::string& path, Findings& findings) {
    if (!FolderExists(path)) return;
    constexpr std::uint32_t kFolder = 0x10;
    constexpr std::uint32_t kLink = 0x400;
    wholeFolders.emplace_back(path, Folder(path).IsLink() ? kFolder | kLink : kFolder);
    AddTree(wholeFolders.back(), findings);
}

void FoundFiles::Remove() const {
    FirstFailure failure;
    for (const std::string& file : files)
        failure.Attempt([&] {
            if (FileExists(file)) RemoveFile(file, true);
        });
    for (const FolderContents& folder : folders) failure.Attempt([&] { RemoveContents(folder); });
    for (const FolderTree& folder : wholeFolders) failure.Attempt([&] { folder.Delete(true); });
    failure.Raise();
}

void AddCookieCounts(const std::string& label, const std::vector<chromium::HostCount>& hosts,
                     const chromium::SiteKeepList& keep, Findings& findings) {
    std::set<std::string> doomedSites;
    std::set<std::string> keptSites;
    for (const chromium::HostCount& host : hosts) {
        const std::string site = chromium::NormalizedHost(host.host);
        if (keep.Keeps(host.host)) {
            keptSites.insert(site);
            continue;
        }
        doomedSites.insert(site);
        findings.cookies += static_cast<std::uint64_t>(host.cookies);
        findings.AddLine(label + ": cookies of " + site + " (" +
                         CountText(static_cast<std::uint64_t>(host.cookies)) + ")");
    }
    findings.sites += doomedSites.size();
    findings.sitesKept += keptSites.size();
    for (const std::string& site : keptSites) findings.AddKept(site, "site to keep");
}
