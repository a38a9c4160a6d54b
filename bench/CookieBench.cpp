// Times cookie cleaning against the floor of what any program can do, under the same Wine:
// - Internet Explorer: 10,000 cookie files with a keep-list of 1,000 names (100 of them among
//   the files), against a minimal loop of DeleteFileA over the same 9,900 files;
// - Netscape: a "cookies.txt" of 100,000 lines with 1,000 kept domains, against a minimal
//   read-whole-file and write-whole-file copy of the same file.
// The keep-lists are stored in the registry of the build folder's prefix and removed after.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "clean/CookieCleaning.h"
#include "cookies/KeepList.h"
#include "files/FileSystem.h"
#include "settings/ProgramState.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kKept = 1000;
constexpr int kKeptPresent = 100;
constexpr int kLines = 100000;
constexpr const char* kIEKey = "Software\\Brisvane\\Settings\\Cookies";
constexpr const char* kNSKey = "Software\\Brisvane\\Settings\\NSCookies";
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

void SetString(const char* key, const std::string& name, const std::string& text) {
    HKEY handle = nullptr;
    Check(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                          nullptr) == 0,
          key);
    RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(handle);
}

// Kept names 0..999; the first 100 of them are among the files or lines.
void StoreKeepList(const char* key, const std::function<std::string(int)>& name) {
    RegDeleteTreeA(HKEY_CURRENT_USER, key);
    for (int i = 0; i < kKept; ++i) {
        const int n = i < kKeptPresent ? i * (kFiles / kKeptPresent) : kFiles + i;
        SetString(key, "Cookie" + std::to_string(i), name(n));
    }
}

std::string CookieFile(int n) { return "user@site" + std::to_string(n) + "[1].txt"; }
std::string Domain(int n) { return ".site" + std::to_string(n % kFiles) + ".com"; }
bool Kept(int n) { return n % (kFiles / kKeptPresent) == 0; }

void MakeCookieFiles(const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int n = 0; n < kFiles; ++n) {
        std::string path = folder + "\\" + CookieFile(n);
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        Check(h != INVALID_HANDLE_VALUE, path);
        const std::string text = "id\n" + std::to_string(n) + "\nsite.com/\n";
        DWORD wrote = 0;
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
        CloseHandle(h);
    }
}

void RemoveFolderFiles(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                DeleteFileA((folder + "\\" + data.cFileName).c_str());
            }
        } while (FindNextFileA(h, &data));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

long CountFiles(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return 0;
    long count = 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return count;
}

void MinimalDeleteUnkept(const std::string& folder) {
    for (int n = 0; n < kFiles; ++n) {
        if (!Kept(n)) DeleteFileA((folder + "\\" + CookieFile(n)).c_str());
    }
}

void WriteWhole(const std::string& path, const std::string& text) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    Check(h != INVALID_HANDLE_VALUE, path);
    DWORD wrote = 0;
    Check(WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr) != 0 &&
              wrote == text.size(),
          "write " + path);
    CloseHandle(h);
}

std::string ReadWhole(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    Check(h != INVALID_HANDLE_VALUE, path);
    std::string text(GetFileSize(h, nullptr), '\0');
    DWORD read = 0;
    ReadFile(h, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(h);
    text.resize(read);
    return text;
}

std::string CookiesText() {
    std::string text = "# Netscape HTTP Cookie File\r\n# Edit at your own risk.\r\n\r\n";
    for (int n = 0; n < kLines; ++n) {
        text += Domain(n) + "\tTRUE\t/\tFALSE\t1900000000\tid" + std::to_string(n) +
                "\t0123456789abcdef\r\n";
    }
    return text;
}

void Clean(const std::string& browser, cSettings& settings) {
    cRegistry registry;
    std::string report;
    CleanCookies(registry, report, browser, settings);
    Check(report == "Cleaning Internet Cookies\r\nCompleted\r\n", "report " + report);
}

void BenchIE(const std::string& root, int rounds) {
    StoreKeepList(kIEKey, CookieFile);
    double clean = 0, minimal = 0;
    long leftClean = 0, leftMinimal = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::string a = root + "\\ie-clean", b = root + "\\ie-minimal";
        MakeCookieFiles(a);
        MakeCookieFiles(b);
        SetString(kShellFolders, "Cookies", a);
        cSettings settings;
        auto runClean = [&] { clean += Seconds([&] { Clean("IE", settings); }); };
        auto runMinimal = [&] { minimal += Seconds([&] { MinimalDeleteUnkept(b); }); };
        if (round % 2 == 0) {
            runClean();
            runMinimal();
        } else {
            runMinimal();
            runClean();
        }
        leftClean += CountFiles(a);
        leftMinimal += CountFiles(b);
    }
    std::printf("IE: %d files, %d kept names (%d present); %d round(s)\n", kFiles, kKept,
                kKeptPresent, rounds);
    std::printf("  CleanCookies   %7.3f s  (files left %ld)\n", clean / rounds, leftClean / rounds);
    std::printf("  minimal delete %7.3f s  (files left %ld)\n", minimal / rounds,
                leftMinimal / rounds);
    std::printf("  CleanCookies / minimal delete = %.2f (target <= 1.10)\n", clean / minimal);
    RemoveFolderFiles(root + "\\ie-clean");
    RemoveFolderFiles(root + "\\ie-minimal");
    RegDeleteTreeA(HKEY_CURRENT_USER, kIEKey);
}

// Where the clean's time goes: its steps one by one, on the same file and keep-list.
void PrintNSPhases(const std::string& path, const std::string& text, int rounds) {
    double keepList = 0, read = 0, filter = 0, replace = 0;
    for (int round = 0; round < rounds; ++round) {
        WriteWhole(path, text);
        cRegistry registry;
        KeepSet keep;
        std::string all;
        std::optional<std::string> kept;
        keepList += Seconds([&] { keep = ReadKeepSet(registry, kTrue); });
        read += Seconds([&] {
            TextStream stream = OpenTextFile(path, IOMode::ForReading);
            all = stream.ReadAll();
            stream.Close();
        });
        filter += Seconds([&] { kept = FilterCookieText(all, keep); });
        Check(kept.has_value(), "filter");
        replace += Seconds([&] { ReplaceFileText(path, *kept); });
    }
    std::printf("  steps: keep-list %.3f s, read %.3f s, filter %.3f s, replace %.3f s\n",
                keepList / rounds, read / rounds, filter / rounds, replace / rounds);
}

void BenchNS(const std::string& root, int rounds) {
    StoreKeepList(kNSKey, Domain);
    const std::string folder = root + "\\ns-profile";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\cookies.txt";
    const std::string copy = folder + "\\copy.txt";
    const std::string text = CookiesText();
    Program().nsProfiles = {{"bench", folder}};
    cSettings settings;
    settings.SetDefaultNSProfile("bench");
    double clean = 0, minimal = 0;
    std::size_t keptBytes = 0;
    for (int round = 0; round < rounds; ++round) {
        WriteWhole(path, text);
        DeleteFileA(copy.c_str());
        auto runClean = [&] { clean += Seconds([&] { Clean("NS", settings); }); };
        auto runMinimal = [&] { minimal += Seconds([&] { WriteWhole(copy, ReadWhole(path)); }); };
        if (round % 2 == 0) {
            runMinimal();
            runClean();
            keptBytes = ReadWhole(path).size();
        } else {
            runClean();
            keptBytes = ReadWhole(path).size();
            WriteWhole(path, text);  // the copy reads the same file as in even rounds
            runMinimal();
        }
    }
    std::printf("NS: cookies.txt of %d lines (%zu bytes), %d kept domains; %d round(s)\n", kLines,
                text.size(), kKept, rounds);
    std::printf("  CleanCookies   %7.3f s  (%zu bytes kept)\n", clean / rounds, keptBytes);
    std::printf("  read + write   %7.3f s\n", minimal / rounds);
    std::printf("  CleanCookies / read + write = %.2f (target <= 1.50)\n", clean / minimal);
    PrintNSPhases(path, text, rounds);
    RemoveFolderFiles(folder);
    RegDeleteTreeA(HKEY_CURRENT_USER, kNSKey);
}

}  // namespace

// Arguments: the number of rounds (default 1), then "ie" or "ns" for one family only.
int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const std::string only = argc > 2 ? argv[2] : "";
    const std::string root = SandboxFolder("bench-cookies");
    CreateDirectoryA(root.c_str(), nullptr);
    char saved[4096] = {};
    DWORD size = sizeof saved;
    const bool hadFolder = RegGetValueA(HKEY_CURRENT_USER, kShellFolders, "Cookies", RRF_RT_REG_SZ,
                                        nullptr, saved, &size) == 0;
    if (only != "ns") BenchIE(root, rounds);
    if (only != "ie") BenchNS(root, rounds);
    if (hadFolder) SetString(kShellFolders, "Cookies", saved);
    RemoveDirectoryA(root.c_str());
    return 0;
}
