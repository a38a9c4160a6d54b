// The reference delete loop of the benchmarks: nothing but the find, delete and remove calls,
// the floor of what any program can do. A read-only file loses its attribute first, or no
// program could delete it.
#pragma once

#include <windows.h>

#include <string>

inline void MinimalDelete(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileExA((folder + "\\*").c_str(), FindExInfoBasic, &data,
                                FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (data.cFileName[0] == '.' &&
                (data.cFileName[1] == 0 || (data.cFileName[1] == '.' && data.cFileName[2] == 0))) {
                continue;
            }
            std::string path = folder + "\\" + data.cFileName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                MinimalDelete(path);
                continue;
            }
            if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            }
            DeleteFileA(path.c_str());
        } while (FindNextFileA(h, &data));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}
