#include "FileTree.h"

#include <windows.h>

#include <stdexcept>

#include "files/FileSystem.h"
#include "files/Win32Path.h"

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw std::runtime_error(what + " " + path + " (error " + std::to_string(GetLastError()) + ")");
}

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

// The fixtures reach paths of any length as the program does (the checkout may live deep).
void MakeFolder(const std::string& path) {
    if (!PathCreateFolder(path)) Fail("cannot create the folder", path);
}

void MakeFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos;
         at = path.find('\\', at + 1)) {
        if (!Exists(path.substr(0, at))) MakeFolder(path.substr(0, at));
    }
    if (!Exists(path)) MakeFolder(path);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = PathCreateFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) Fail("cannot create the file", path);
    DWORD wrote = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
    CloseHandle(file);
    if (!ok || wrote != bytes.size()) Fail("cannot write the file", path);
}

std::string ReadBytes(const std::string& path) {
    // Shares everything, so that a file another program still has open can be read.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE file = PathCreateFile(path, GENERIC_READ, share, OPEN_EXISTING);
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

FileTree ReadTree(const std::string& root) {
    FileTree tree;
    ReadTreeInto(root, "", tree);
    return tree;
}
