// The Chromium fixture profiles (tests/fixtures/chromium, made by the real browser) and a
// scratch folder to copy them into, removed with everything in it when the test ends.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fixture {

namespace fs = std::filesystem;

inline fs::path ChromiumUserData() {
    return fs::path(BRISVANE_FIXTURES) / "chromium" / "User Data";
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
        fs::copy_file(ChromiumUserData() / "Default" / file, path_ / name);
        return path_ / name;
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

}  // namespace fixture
