// The profile list of a Chromium-family browser: `Local State` content of any bytes gives
// either nothing or profiles sorted by folder, each folder one plain name inside the user-data
// folder and each with a name; the fallback over folder names (the input's lines) keeps only
// "Default" and "Profile N", sorted and unique.
#include <algorithm>

#include "FuzzCheck.h"
#include "chromium/Profiles.h"

namespace {

bool IsPlainName(const std::string& folder) {
    return !folder.empty() && folder != "." && folder != ".." &&
           folder.find_first_of("/\\:") == std::string::npos &&
           std::none_of(folder.begin(), folder.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string input = TextOf(bytes, size);
    const auto profiles = chromium::ProfilesFromLocalState(input);
    if (profiles) {
        Require(!profiles->empty(), "a list that is there names a profile");
        for (std::size_t i = 0; i < profiles->size(); ++i) {
            const chromium::Profile& p = (*profiles)[i];
            Require(IsPlainName(p.folder), "every folder is one plain name");
            Require(!p.name.empty(), "every profile has a name");
            Require(i == 0 || (*profiles)[i - 1].folder < p.folder, "sorted, unique folders");
        }
    }
    const auto folders = chromium::ProfilesFromFolders(Lines(input));
    for (std::size_t i = 0; i < folders.size(); ++i) {
        Require(chromium::IsProfileFolderName(folders[i].folder), "only profile folders");
        Require(folders[i].name == folders[i].folder, "named after the folder");
        Require(i == 0 || folders[i - 1].folder < folders[i].folder, "sorted, unique folders");
    }
    return 0;
}
