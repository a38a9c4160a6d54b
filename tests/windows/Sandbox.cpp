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

// The fixtures reach paths of any length as the program does (the checkout may live deep).
void MakeFolder(const std::string& path) {
    ASSERT_TRUE(PathCreateFolder(path)) << path << " " << GetLastError();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = PathCreateFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << " " << GetLastError();
    DWORD wrote = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && wrote == bytes.size()) << path;
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = PathCreateFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    std::string bytes;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool Exists(const std::string& path) { return PathAttributes(path) != INVALID_FILE_ATTRIBUTES; }

// Creates the folder and whichever of its parents are missing.
void MakeFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos;
         at = path.find('\\', at + 1)) {
        if (!Exists(path.substr(0, at))) MakeFolder(path.substr(0, at));
    }
    if (!Exists(path)) MakeFolder(path);
}

void BuildTree(const std::string& root, const FileTree& tree) {
    MakeFolders(root);
    for (const auto& [relative, bytes] : tree) {
        for (std::size_t at = relative.find('\\'); at != std::string::npos;
             at = relative.find('\\', at + 1)) {
            std::string folder = root + "\\" + relative.substr(0, at);
            if (!Exists(folder)) MakeFolder(folder);
        }
        if (relative.back() != '\\') WriteBytes(root + "\\" + relative, bytes);
    }
}

namespace {

// Adds what `folder` holds to the tree, each path prefixed with `prefix` (empty or ending in
// a backslash); links are listed but not entered.
void ReadTreeInto(const std::string& folder, const std::string& prefix, FileTree& tree) {
    Folder listed = GetFolder(folder);
    for (const File& file : listed.Files()) tree[prefix + file.Name()] = ReadBytes(file.Path());
    for (const Folder& sub : listed.SubFolders()) {
        std::string relative = prefix + sub.Name();
        relative += '\\';
        tree[relative] = "";
        if (!sub.IsLink()) ReadTreeInto(sub.Path(), relative, tree);
    }
}

}  // namespace

FileTree ReadTree(const std::string& root) {
    FileTree tree;
    ReadTreeInto(root, "", tree);
    return tree;
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
