// Times the temp-files clean on a tree of 20,000 small files in 400 folders (every seventh file
// read-only) against two baselines on identical trees under the same Wine: "cmd /c rd /s /q"
// and a minimal loop of FindFirstFileExA / DeleteFileA / RemoveDirectoryA, the floor of what
// any program can do. Optionally leaves one more identical tree for a native "rm -rf". With
// "preview" it times instead the find step alone against a minimal walk that sums the sizes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "BenchSupport.h"
#include "MinimalDelete.h"
#include "clean/FoundItem.h"
#include "clean/GeneralCleaning.h"
#include "settings/cRegistry.h"

namespace {

constexpr int kTopFolders = 20;
constexpr int kSubFolders = 19;  // 20 + 20 * 19 = 400 folders
constexpr int kFilesPerFolder = 50;

void FillFolder(const std::string& folder, int& serial) {
    Check(CreateDirectoryA(folder.c_str(), nullptr) != 0, "create " + folder);
    for (int i = 0; i < kFilesPerFolder; ++i, ++serial) {
        std::string path = folder + "\\f" + std::to_string(i) + ".tmp";
        HANDLE h =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        serial % 7 == 0 ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL, nullptr);
        Check(h != INVALID_HANDLE_VALUE, "create " + path);
        const std::string text = "temporary data " + std::to_string(serial) + "\r\n";
        DWORD wrote = 0;
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
        CloseHandle(h);
    }
}

// The tree's folders go into `root`, which must exist.
void BuildTree(const std::string& root) {
    int serial = 0;
    for (int t = 0; t < kTopFolders; ++t) {
        const std::string top = root + "\\top" + std::to_string(t);
        FillFolder(top, serial);
        for (int s = 0; s < kSubFolders; ++s) FillFolder(top + "\\sub" + std::to_string(s), serial);
    }
}

// Entries left below `folder` (-1 when it is gone).
long CountEntries(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return -1;
    long count = 0;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        ++count;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            count += std::max(0L, CountEntries(folder + "\\" + name));
        }
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return count;
}

void RunCmdRd(const std::string& folder) {
    std::string command = "cmd /c rd /s /q \"" + folder + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Check(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                         nullptr, nullptr, &startup, &process) != 0,
          command);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void RunCleanTempFiles(const std::string& folder) {
    SetEnvironmentVariableA("TEMP", folder.c_str());
    SetEnvironmentVariableA("TMP", folder.c_str());
    cRegistry registry;
    std::string report;
    CleanTempFiles(registry, report);
    if (report != "Cleaning Temp Files\r\nCompleted\r\n") {
        std::fprintf(stderr, "unexpected report:\n%s", report.c_str());
        std::exit(3);
    }
}

struct Method {
    const char* name;
    std::function<void(const std::string&)> remove;
    double seconds = 0;
    long left = 0;
};

// Builds one tree per method, then times the methods one after the other; each round starts
// with a different method so that no method always meets the same state of the caches.
void RunRound(const std::string& temp, Method* methods, int count, int round) {
    for (int m = 0; m < count; ++m) {
        const std::string root = temp + "\\tree" + std::to_string(m);
        MinimalDelete(root);
        Check(CreateDirectoryA(root.c_str(), nullptr) != 0, "create " + root);
        BuildTree(root);
    }
    for (int i = 0; i < count; ++i) {
        const int m = (i + round) % count;
        const std::string root = temp + "\\tree" + std::to_string(m);
        methods[m].seconds += Seconds([&] { methods[m].remove(root); });
        methods[m].left += std::max(0L, CountEntries(root));
        RemoveDirectoryA(root.c_str());
    }
}

// The floor of a preview: one walk with FindFirstFileExA / FindNextFileA summing the sizes.
std::uint64_t MinimalWalk(const std::string& folder, std::uint64_t& files) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileExA((folder + "\\*").c_str(), FindExInfoBasic, &data,
                                FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) return 0;
    std::uint64_t bytes = 0;
    do {
        const char* name = data.cFileName;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            bytes += MinimalWalk(folder + "\\" + name, files);
        } else {
            ++files;
            bytes += (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        }
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return bytes;
}

// The temp-files find step against the minimal walk on one tree, alternating which goes first.
void BenchPreview(const std::string& temp, int rounds) {
    const std::string root = temp + "\\preview";
    MinimalDelete(root);
    Check(CreateDirectoryA(root.c_str(), nullptr) != 0, "create " + root);
    BuildTree(root);
    SetEnvironmentVariableA("TEMP", root.c_str());
    SetEnvironmentVariableA("TMP", root.c_str());
    double find = 0, walk = 0;
    std::uint64_t found = 0, walked = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((round + turn) % 2 == 0) {
                find += Seconds([&] { found = FindTempFiles().findings.files; });
            } else {
                walk += Seconds([&] {
                    walked = 0;
                    MinimalWalk(root, walked);
                });
            }
        }
    }
    Check(found == walked, "the find step counts every file");
    std::printf(
        "preview of %llu temp files; %d round(s)\n  find step    %7.3f s\n"
        "  minimal walk %7.3f s\n  ratio        %7.2f (target <= 1.20)\n",
        static_cast<unsigned long long>(found), rounds, find / rounds, walk / rounds, find / walk);
    MinimalDelete(root);
}

void LeaveNativeTree(const std::string& temp, const std::string& name) {
    const std::string native = temp + "\\" + name;
    MinimalDelete(native);
    Check(CreateDirectoryA(native.c_str(), nullptr) != 0, "create " + native);
    BuildTree(native);
}

}  // namespace

// Arguments: the number of rounds (default 1) and the name of a tree to leave for a native
// "rm -rf" (optional).
int main(int argc, char** argv) {
    const std::string temp = SandboxFolder("bench-temp");
    CreateDirectoryA(temp.c_str(), nullptr);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    if (argc > 2 && std::string(argv[2]) == "preview") {
        BenchPreview(temp, rounds);
        return 0;
    }
    Method methods[] = {{"CleanTempFiles", RunCleanTempFiles},
                        {"cmd /c rd /s /q", RunCmdRd},
                        {"minimal loop", MinimalDelete}};
    constexpr int kMethods = 3;
    std::printf("tree: %d files in %d folders, every 7th file read-only; %d round(s)\n",
                kTopFolders * (kSubFolders + 1) * kFilesPerFolder, kTopFolders * (kSubFolders + 1),
                rounds);
    for (int round = 0; round < rounds; ++round) RunRound(temp, methods, kMethods, round);
    for (const Method& m : methods) {
        std::printf("%-16s %8.2f s per tree  (entries left: %ld)\n", m.name, m.seconds / rounds,
                    m.left);
    }
    std::printf("CleanTempFiles / minimal loop = %.2f (target <= 1.20)\n",
                methods[0].seconds / methods[2].seconds);
    std::printf("CleanTempFiles / cmd rd       = %.2f\n", methods[0].seconds / methods[1].seconds);
    if (argc > 2) LeaveNativeTree(temp, argv[2]);
    return 0;
}
