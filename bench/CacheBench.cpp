// Times the Internet Explorer cache clean on a cache of 20,000 small files in 200 subfolders of
// "Content.IE5" (each subfolder with its "index.dat") against the minimal delete loop on an
// identical tree under the same Wine. The shell's "Cache" value points at each tree in turn and
// is put back at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "BenchSupport.h"
#include "MinimalDelete.h"
#include "clean/InternetCleaning.h"
#include "settings/cRegistry.h"

namespace {

constexpr int kSubFolders = 200;
constexpr int kFilesPerFolder = 100;
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

void WriteSmallFile(const std::string& path, const std::string& text) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    Check(h != INVALID_HANDLE_VALUE, "create " + path);
    DWORD wrote = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
    CloseHandle(h);
}

// The cache's folders go into `root`, which must not exist yet.
void BuildCache(const std::string& root) {
    const std::string content = root + "\\Content.IE5";
    Check(CreateDirectoryA(root.c_str(), nullptr) != 0, "create " + root);
    Check(CreateDirectoryA(content.c_str(), nullptr) != 0, "create " + content);
    WriteSmallFile(content + "\\index.dat", "index");
    for (int s = 0; s < kSubFolders; ++s) {
        const std::string sub = content + "\\C" + std::to_string(100000 + s);
        Check(CreateDirectoryA(sub.c_str(), nullptr) != 0, "create " + sub);
        WriteSmallFile(sub + "\\index.dat", "index");
        for (int f = 0; f < kFilesPerFolder; ++f) {
            WriteSmallFile(sub + "\\page" + std::to_string(f) + "[1].htm",
                           "<html>cached page " + std::to_string(f) + "</html>\r\n");
        }
    }
}

std::string ReadCacheValue() {
    char buffer[4096] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, kShellFolders, "Cache", RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS) {
        return "";
    }
    return buffer;
}

void WriteCacheValue(const std::string& path) {
    Check(RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Cache", REG_SZ, path.c_str(),
                          static_cast<DWORD>(path.size() + 1)) == ERROR_SUCCESS,
          "set the Cache shell folder");
}

void RunCleanTempInternetFiles(const std::string& root) {
    WriteCacheValue(root);
    cRegistry registry;
    std::string report;
    CleanTempInternetFiles(registry, report, "IE", "");
    if (report != "Cleaning Temporary Internet Files\r\nCompleted\r\n") {
        std::fprintf(stderr, "unexpected report:\n%s", report.c_str());
        std::exit(3);
    }
}

}  // namespace

// Argument: the number of rounds (default 1). Each method meets a tree built just before it is
// timed (a tree built earlier is slower to delete once the system has written it out), and each
// round starts with the other method.
int main(int argc, char** argv) {
    const std::string folder = SandboxFolder("bench-cache");
    CreateDirectoryA(folder.c_str(), nullptr);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const std::string savedCache = ReadCacheValue();
    struct Method {
        const char* name;
        std::function<void(const std::string&)> remove;
        double seconds = 0;
    } methods[] = {{"CleanTempInternetFiles", RunCleanTempInternetFiles},
                   {"minimal loop", MinimalDelete}};
    std::printf(
        "cache: %d files in %d subfolders of Content.IE5, each with its index.dat; %d "
        "round(s)\n",
        kSubFolders * kFilesPerFolder, kSubFolders, rounds);
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 2; ++i) {
            const int m = (i + round) % 2;
            const std::string root = folder + "\\tree";
            MinimalDelete(root);
            BuildCache(root);
            methods[m].seconds += Seconds([&] { methods[m].remove(root); });
            MinimalDelete(root);  // what the cache clean keeps, untimed
        }
    }
    WriteCacheValue(savedCache);
    RemoveDirectoryA(folder.c_str());
    for (const Method& m : methods) {
        std::printf("%-24s %8.2f s per cache\n", m.name, m.seconds / rounds);
    }
    std::printf("CleanTempInternetFiles / minimal loop = %.2f (target <= 1.20)\n",
                methods[0].seconds / methods[1].seconds);
    return 0;
}
