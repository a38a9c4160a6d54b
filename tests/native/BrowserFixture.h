// The browsers' fixture profiles (tests/fixtures/chromium and tests/fixtures/firefox, made by
// the real browsers), a scratch folder to copy them into, removed with everything in it when
// the test ends, and the rows of a database as text.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fixture {

namespace fs = std::filesystem;

inline fs::path ChromiumUserData() {
    return fs::path(BRISVANE_FIXTURES) / "chromium" / "User Data";
}

// The relative profile of the Firefox fixture ("rel", in the folder profiles.ini names).
inline fs::path FirefoxProfile() {
    for (const auto& entry :
         fs::directory_iterator(fs::path(BRISVANE_FIXTURES) / "firefox" / "Firefox")) {
        if (entry.path().extension() == ".rel") return entry.path();
    }
    return {};
}

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class Scratch {
  public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "brisvane-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~Scratch() { fs::remove_all(path_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // A copy of one file of the "Default" fixture profile, under `name` in the folder.
    fs::path CopyOfDefault(const std::string& file, const std::string& name) const {
        return CopyOf(ChromiumUserData() / "Default" / file, name);
    }
    // A copy of one file, under `name` in the folder.
    fs::path CopyOf(const fs::path& file, const std::string& name) const {
        fs::copy_file(file, path_ / name);
        return path_ / name;
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

}  // namespace fixture
