// Firefox's fixture profiles (tests/fixtures/firefox, made by the real browser) laid out as on
// Windows: the relative profile below the roaming "Mozilla\Firefox" folder with its cache below
// the local one, and the absolute profile in a folder of its own, which profiles.ini names.
#pragma once

#include <string>
#include <utility>

#include "FileTree.h"

inline constexpr const char* kFirefoxRelative = "26ru2y2w.rel";
inline constexpr const char* kFirefoxBookmarks =
    "SELECT b.id, b.type, b.parent, b.position, b.title, b.guid, p.url FROM moz_bookmarks b "
    "LEFT JOIN moz_places p ON p.id = b.fk ORDER BY b.id";

struct FirefoxFolders {
    std::string data;       // <roaming>\Mozilla\Firefox
    std::string cache;      // <local>\Mozilla\Firefox
    std::string elsewhere;  // the absolute profile

    std::string Relative(const std::string& file) const {
        return data + "\\" + kFirefoxRelative + "\\" + file;
    }
    // All three, below "data\", "cache\" and "abs\".
    FileTree Read() const {
        FileTree all;
        for (const auto& [root, name] :
             {std::pair{data, "data\\"}, {cache, "cache\\"}, {elsewhere, "abs\\"}}) {
            for (auto& [path, bytes] : ReadTree(root)) all[name + path] = bytes;
        }
        return all;
    }
};

// `fixture` is tests/fixtures/firefox as a Windows path.
inline FirefoxFolders BuildFirefoxFixture(const std::string& fixture, const std::string& local,
                                          const std::string& roaming,
                                          const std::string& elsewhere) {
    const FirefoxFolders folders{roaming + "\\Mozilla\\Firefox", local + "\\Mozilla\\Firefox",
                                 elsewhere};
    FileTree profiles = ReadTree(fixture + "\\Firefox");
    const std::string madeAt = "/tmp/brisvane-firefox-fixture/abs";
    std::string& ini = profiles.at("profiles.ini");
    ini.replace(ini.find(madeAt), madeAt.size(), elsewhere);
    BuildTree(folders.data, profiles);
    BuildTree(folders.cache, ReadTree(fixture + "\\Local"));
    BuildTree(elsewhere, ReadTree(fixture + "\\Elsewhere\\abs"));
    return folders;
}
