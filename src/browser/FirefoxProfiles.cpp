#include "browser/FirefoxProfiles.h"

#include <windows.h>

#include <algorithm>

#include "files/FileSystem.h"
#include "firefox/ProfileLayout.h"

namespace {

struct IniFile {
    std::string path;

    // The names of the file's sections (Windows' own reader of .ini files).
    std::vector<std::string> Sections() const {
        std::string buffer(4096, '\0');
        DWORD got = 0;
        while ((got = GetPrivateProfileSectionNamesA(
                    buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str())) >=
               buffer.size() - 2) {
            buffer.resize(buffer.size() * 2);
        }
        std::vector<std::string> names;
        for (std::size_t at = 0; at < got && buffer[at] != '\0';) {
            names.emplace_back(buffer.c_str() + at);
            at += names.back().size() + 1;
        }
        return names;
    }

    std::string Text(const std::string& section, const char* key) const {
        std::string buffer(32768, '\0');
        const DWORD got = GetPrivateProfileStringA(section.c_str(), key, "", buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), path.c_str());
        buffer.resize(got);
        return buffer;
    }
};

bool IsProfileSection(const std::string& name) {
    return name.size() > 7 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), 7,
                                             "Profile", 7) == CSTR_EQUAL;
}

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// A relative path that stays inside the folder it is relative to.
bool StaysInside(const std::string& relative) {
    if (relative.empty() || relative[0] == '\\' || relative.find(':') != std::string::npos)
        return false;
    const std::string padded = "\\" + relative + "\\";
    return padded.find("\\..\\") == std::string::npos && padded.find("\\.\\") == std::string::npos;
}

bool StartsWithFolder(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() + 1 && path[folder.size()] == '\\' &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, path.c_str(),
                          static_cast<int>(folder.size()), folder.c_str(),
                          static_cast<int>(folder.size())) == CSTR_EQUAL;
}

// The profile of one [ProfileN] section, or nothing when it names no usable folder.
bool ProfileOf(const IniFile& ini, const std::string& section, const std::string& userData,
               const std::string& cacheRoot, FoundProfile& found) {
    const std::string written = ini.Text(section, "Path");
    const std::string path = WithBackslashes(written);
    if (written.empty()) return false;
    std::string name = ini.Text(section, "Name");
    if (name.empty()) name = written;
    if (ini.Text(section, "IsRelative") == "1") {
        if (!StaysInside(path)) return false;
        found = {&kFirefox,
                 userData,
                 cacheRoot,
                 {written, name},
                 userData + "\\" + path,
                 cacheRoot + "\\" + path};
    } else {
        const std::string cache =
            StartsWithFolder(path, userData) ? cacheRoot + path.substr(userData.size()) : path;
        found = {&kFirefox, userData, cacheRoot, {written, name}, path, cache};
    }
    return FolderExists(found.Folder());
}

}  // namespace

std::vector<FoundProfile> FindFirefoxProfiles(const AppDataFolders& folders) {
    std::vector<FoundProfile> profiles;
    if (folders.roaming.empty() || folders.local.empty()) return profiles;
    const std::string userData = folders.roaming + "\\" + kFirefox.relative;
    const IniFile ini{userData + "\\" + firefox::kProfilesIni};
    if (!FileExists(ini.path)) return profiles;
    const std::string cacheRoot = folders.local + "\\" + kFirefox.relative;
    for (const std::string& section : ini.Sections()) {
        FoundProfile found;
        if (IsProfileSection(section) && ProfileOf(ini, section, userData, cacheRoot, found))
            profiles.push_back(std::move(found));
    }
    std::sort(profiles.begin(), profiles.end(), [](const FoundProfile& a, const FoundProfile& b) {
        return a.profile.folder < b.profile.folder;
    });
    return profiles;
}
