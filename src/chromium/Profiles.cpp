#include "chromium/Profiles.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>

namespace chromium {

namespace {

bool IsPlainFolderName(const std::string& folder) {
    if (folder.empty() || folder == "." || folder == "..") return false;
    return std::none_of(folder.begin(), folder.end(), [](char c) {
        return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
    });
}

void SortByFolder(std::vector<Profile>& profiles) {
    std::sort(profiles.begin(), profiles.end(),
              [](const Profile& a, const Profile& b) { return a.folder < b.folder; });
}

}  // namespace

bool IsProfileFolderName(const std::string& folder) {
    constexpr std::string_view kNumbered = "Profile ";
    if (folder == "Default") return true;
    if (folder.size() <= kNumbered.size() || folder.compare(0, kNumbered.size(), kNumbered) != 0)
        return false;
    return std::all_of(folder.begin() + kNumbered.size(), folder.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::vector<Profile>> ProfilesFromLocalState(const std::string& content) {
    nlohmann::json state = nlohmann::json::parse(content, nullptr, false);
    if (!state.is_object()) return std::nullopt;
    auto profile = state.find("profile");
    if (profile == state.end() || !profile->is_object()) return std::nullopt;
    auto cache = profile->find("info_cache");
    if (cache == profile->end() || !cache->is_object()) return std::nullopt;
    std::vector<Profile> profiles;
    for (auto entry = cache->begin(); entry != cache->end(); ++entry) {
        if (!IsPlainFolderName(entry.key())) continue;
        std::string name = entry.key();
        if (entry->is_object()) {
            auto given = entry->find("name");
            if (given != entry->end() && given->is_string() && !given->empty())
                name = given->get<std::string>();
        }
        profiles.push_back({entry.key(), name});
    }
    if (profiles.empty()) return std::nullopt;
    SortByFolder(profiles);
    return profiles;
}

std::vector<Profile> ProfilesFromFolders(const std::vector<std::string>& foldersWithPreferences) {
    std::vector<Profile> profiles;
    for (const std::string& folder : foldersWithPreferences) {
        if (IsProfileFolderName(folder)) profiles.push_back({folder, folder});
    }
    SortByFolder(profiles);
    profiles.erase(std::unique(profiles.begin(), profiles.end()), profiles.end());
    return profiles;
}

}  // namespace chromium
