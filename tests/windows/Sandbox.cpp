#include "Sandbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

#include "files/FileSystem.h"
#include "files/Win32Path.h"

namespace {

std::string Environment(const char* name, bool& present) {
    char buffer[32768] = {};
    DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    present = n > 0 && n < sizeof buffer;
    return present ? std::string(buffer, n) : std::string();
}

void Restore(const char* name, const std::string& value, bool present) {
    SetEnvironmentVariableA(name, present ? value.c_str() : nullptr);
}

}  // namespace

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

namespace {

// The drive letter the test wrapper maps to the sandbox ("S:"), or "" when there is none.
std::string SandboxDrive() {
    const char* drive = std::getenv("BRISVANE_SANDBOX_DRIVE");
    return drive != nullptr ? drive : "";
}

}  // namespace

std::string UnixPath(const std::string& windowsPath) {
    const std::string drive = SandboxDrive();
    std::string path = windowsPath.substr(2);
    const char* root = std::getenv("BRISVANE_SANDBOX");
    if (!drive.empty() && root != nullptr &&
        lstrcmpiA(windowsPath.substr(0, 2).c_str(), drive.c_str()) == 0) {
        path = root + path;
    }
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

std::string SandboxRoot() {
    const char* root = std::getenv("BRISVANE_SANDBOX");
    if (root == nullptr || *root == '\0') {
        ADD_FAILURE() << "BRISVANE_SANDBOX is not set";
        std::abort();  // never fall back to a folder outside the sandbox
    }
    const std::string drive = SandboxDrive();
    if (!drive.empty()) return drive;
    std::string path = WindowsPath(root);
    PathCreateFolder(path);
    return path;
}

SandboxFolder::SandboxFolder(const std::string& name) {
    // Process ids come back in later runs, and what Wine cannot remove (Unix links) stays.
    static std::atomic<int> counter{0};
    const std::string stem = SandboxRoot() + "\\" + name + "-" +
                             std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetTickCount64()) + "-";
    do {
        path_ = stem + std::to_string(counter++);
    } while (Exists(path_));
    MakeFolder(path_);
}

namespace {

// Starts a Unix program (Wine runs it without waiting for it).
bool StartUnix(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

SandboxFolder::~SandboxFolder() {
    try {
        RemoveFolder(path_, true);
    } catch (const std::exception&) {
        // Wine cannot remove Unix symbolic links; the host's rm removes them without following.
        StartUnix("Z:\\bin\\rm -rf -- \"" + UnixPath(path_) + "\"");
    }
}

HeldOpen::HeldOpen(const std::string& path, DWORD access, DWORD share)
    : handle_(PathCreateFile(path, access, share, OPEN_EXISTING)) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path;
}

HeldOpen::~HeldOpen() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

TempRedirect::TempRedirect(const std::string& folder) {
    bool present = false;
    temp_ = Environment("TEMP", present);
    tmp_ = Environment("TMP", present);  // an empty value is restored as no value
    SetEnvironmentVariableA("TEMP", folder.c_str());
    SetEnvironmentVariableA("TMP", folder.c_str());
}

TempRedirect::~TempRedirect() {
    Restore("TEMP", temp_, !temp_.empty());
    Restore("TMP", tmp_, !tmp_.empty());
}

DWORD MakeUnixLink(const std::string& target, const std::string& link) {
    if (!StartUnix("Z:\\bin\\ln -s \"" + UnixPath(target) + "\" \"" + UnixPath(link) + "\"")) {
        ADD_FAILURE() << "cannot start ln: " << GetLastError();
        return INVALID_FILE_ATTRIBUTES;
    }
    // Wine does not wait for a Unix process: watch for the link instead.
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    for (int i = 0; i < 500 && attributes == INVALID_FILE_ATTRIBUTES; ++i) {
        Sleep(10);
        attributes = GetFileAttributesA(link.c_str());
    }
    return attributes;
}
