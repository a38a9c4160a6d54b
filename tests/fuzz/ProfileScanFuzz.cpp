// The profile scan of a "registry.dat" content (any bytes: the file is the browser's and may be
// damaged): every profile found is a ".slt" folder named by a keyword of the content, its name
// is the folder between the path's last two backslashes, and the scan agrees with extracting
// each keyword on its own, up to where it stopped.
#include "FuzzCheck.h"
#include "browser/ProfileScan.h"

namespace {

// The profiles that one keyword after another yields, read keyword by keyword.
ProfileScanResult ScanKeywordByKeyword(const std::string& content) {
    ProfileScanResult result;
    for (std::size_t w = content.find(kProfileKeyword); w != std::string::npos;
         w = content.find(kProfileKeyword, w + 1)) {
        const std::optional<std::string> folder = ExtractProfileFolder(content, w + 1);
        if (!folder) continue;
        const std::optional<std::string> name = ProfileNameFromFolder(*folder);
        if (!name) {
            result.stoppedAtNamelessFolder = true;
            break;
        }
        result.found.push_back({*name, *folder});
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string content = TextOf(bytes, size);
    const ProfileScanResult scan = ScanProfileContent(content);
    for (const NSProfile& profile : scan.found) {
        Require(profile.folder.size() >= 4 &&
                    profile.folder.compare(profile.folder.size() - 4, 4, ".slt") == 0,
                "every folder ends in .slt");
        Require(content.find(profile.folder) != std::string::npos,
                "every folder stands in the content");
        const std::size_t last = profile.folder.rfind('\\');
        Require(last != std::string::npos && last > 0, "every folder has two backslashes");
        const std::size_t before = profile.folder.rfind('\\', last - 1);
        Require(before != std::string::npos &&
                    profile.name == profile.folder.substr(before + 1, last - before - 1),
                "the name is the folder between the last two backslashes");
    }
    const ProfileScanResult slow = ScanKeywordByKeyword(content);
    Require(slow.stoppedAtNamelessFolder == scan.stoppedAtNamelessFolder &&
                slow.found.size() == scan.found.size(),
            "the scan finds what extracting each keyword finds");
    for (std::size_t i = 0; i < scan.found.size(); ++i) {
        Require(slow.found[i].name == scan.found[i].name &&
                    slow.found[i].folder == scan.found[i].folder,
                "the scan finds the same profiles in the same order");
    }
    return 0;
}
