// Finding Netscape/Mozilla profiles in the text of the browser's "registry.dat". The file's
// binary structure is not interpreted: every "directory" keyword followed by a folder path
// that ends in ".slt" names one profile folder, and the profile's name is the name of the
// folder that holds the ".slt" folder. Keyword and ending are matched case-sensitively.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "settings/ProgramState.h"

inline constexpr const char* kProfileKeyword = "directory";

// The folder path after the keyword at the 1-based position `keywordPosition`: the character
// just after the keyword is skipped, then blanks; the path runs from there up to and including
// the first ".slt" after its first character. Nothing when no ".slt" follows before the end of
// the content, or when the path would be longer than any folder can be.
std::optional<std::string> ExtractProfileFolder(const std::string& content,
                                                std::size_t keywordPosition);

// The name between the last two backslashes of a profile folder ("" for two adjacent ones);
// nothing when the path has fewer than two backslashes.
std::optional<std::string> ProfileNameFromFolder(const std::string& folder);

struct ProfileScanResult {
    // Name and folder of every keyword that names a ".slt" folder, in the order found; whether
    // the folder exists is not checked here.
    std::vector<NSProfile> found;
    // The scan met a folder with fewer than two backslashes and stopped there.
    bool stoppedAtNamelessFolder = false;
};

// Scans the whole content, also finding keywords inside paths already extracted. The work is
// linear in the content's length.
ProfileScanResult ScanProfileContent(const std::string& content);
