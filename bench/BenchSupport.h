// What every benchmark program needs: stop on a failed set-up step, time an action, and the
// sandbox folder it works in.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

// Ends the benchmark with the system's last error when a set-up step failed.
inline void Check(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "failed: %s (%lu)\n", what.c_str(), GetLastError());
    std::exit(2);
}

// Wall-clock seconds that `action` takes.
inline double Seconds(const std::function<void()>& action) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    action();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// The Windows path of `name` inside the build folder's sandbox (BRISVANE_SANDBOX, set by
// wine-run.sh), reached through Wine's Z: drive.
inline std::string SandboxFolder(const std::string& name) {
    const char* root = std::getenv("BRISVANE_SANDBOX");
    Check(root != nullptr && *root != '\0', "BRISVANE_SANDBOX is set");
    std::string path = std::string("Z:") + root + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}
