// The profiles of a Chromium-family browser's user-data folder. The browser lists them in its
// `Local State` file (JSON: "profile" → "info_cache", a map from profile folder to attributes,
// "name" among them); when that list is missing or unreadable, each `Default` or `Profile N`
// folder that holds a `Preferences` file is a profile named after its folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace chromium {

struct Profile {
    std::string folder;  // the folder's name inside the user-data folder
    std::string name;    // the name the browser shows

    bool operator==(const Profile&) const = default;
};

// True for "Default" and "Profile " followed by digits.
bool IsProfileFolderName(const std::string& folder);

// The profiles `Local State` lists, sorted by folder name; a profile without a name is named
// after its folder. An entry whose folder is not one plain folder name (empty, "." or "..",
// with a path separator, a drive colon or a control character) is left out, so that no
// entry can point outside the user-data folder. Nothing when the content is not JSON or
// lists no usable profile.
std::optional<std::vector<Profile>> ProfilesFromLocalState(const std::string& content);

// The fallback: of the folders that hold a `Preferences` file, those with a profile folder's
// name, sorted, each named after itself.
std::vector<Profile> ProfilesFromFolders(const std::vector<std::string>& foldersWithPreferences);

}  // namespace chromium
