#include "files/Win32Path.h"

namespace {

// CreateDirectoryA stops at 248 characters; every other A call at MAX_PATH.
constexpr std::size_t kLongPath = MAX_PATH - 12;

bool IsLong(const std::string& path) { return path.size() >= kLongPath; }

std::wstring Widen(const std::string& text) {
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Narrow(const wchar_t* text) {
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), n, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

// "\\?\C:\..." or "\\?\UNC\server\share\..." of a full path.
std::wstring LongForm(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.rfind(L"\\\\?\\", 0) == 0) return wide;
    DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n > 0) {
        std::wstring full(n, L'\0');
        n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
        full.resize(n);
        wide = full;
    }
    if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

DWORD PathAttributes(const std::string& path) {
    if (IsLong(path)) return GetFileAttributesW(LongForm(path).c_str());
    return GetFileAttributesA(path.c_str());
}

bool PathSetAttributes(const std::string& path, DWORD attributes) {
    if (IsLong(path)) return SetFileAttributesW(LongForm(path).c_str(), attributes) != 0;
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

bool PathDeleteFile(const std::string& path) {
    if (IsLong(path)) return DeleteFileW(LongForm(path).c_str()) != 0;
    return DeleteFileA(path.c_str()) != 0;
}

bool PathRemoveFolder(const std::string& path) {
    if (IsLong(path)) return RemoveDirectoryW(LongForm(path).c_str()) != 0;
    return RemoveDirectoryA(path.c_str()) != 0;
}

bool PathCreateFolder(const std::string& path) {
    if (IsLong(path)) return CreateDirectoryW(LongForm(path).c_str(), nullptr) != 0;
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

HANDLE PathCreateFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    if (IsLong(path)) {
        return CreateFileW(LongForm(path).c_str(), access, share, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Both paths take the long form when either is too long for the A call.
bool PathMove(const std::string& from, const std::string& to, DWORD flags) {
    if (IsLong(from) || IsLong(to)) {
        return MoveFileExW(LongForm(from).c_str(), LongForm(to).c_str(), flags) != 0;
    }
    return MoveFileExA(from.c_str(), to.c_str(), flags) != 0;
}

bool PathAttributeData(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
    if (IsLong(path)) {
        return GetFileAttributesExW(LongForm(path).c_str(), GetFileExInfoStandard, &data) != 0;
    }
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

FolderScan::FolderScan(const std::string& folder) {
    const std::string pattern = JoinPath(folder, "*");
    wide_ = IsLong(pattern);
    if (wide_) {
        handle_ = FindFirstFileExW(LongForm(pattern).c_str(), FindExInfoBasic, &dataW_,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    } else {
        handle_ = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &dataA_, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    }
    if (handle_ != INVALID_HANDLE_VALUE) {
        pending_ = true;
        return;
    }
    openError_ = GetLastError();
    // A drive root without any entry answers "file not found": an empty folder.
    if (openError_ == ERROR_FILE_NOT_FOUND) openError_ = 0;
}

FolderScan::~FolderScan() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
}

bool FolderScan::Advance() {
    return wide_ ? FindNextFileW(handle_, &dataW_) != 0 : FindNextFileA(handle_, &dataA_) != 0;
}

void FolderScan::Take(FolderEntry& entry) const {
    if (wide_) {
        entry.name = Narrow(dataW_.cFileName);
        entry.attributes = dataW_.dwFileAttributes;
        entry.size = (std::uint64_t{dataW_.nFileSizeHigh} << 32) | dataW_.nFileSizeLow;
    } else {
        entry.name = dataA_.cFileName;
        entry.attributes = dataA_.dwFileAttributes;
        entry.size = (std::uint64_t{dataA_.nFileSizeHigh} << 32) | dataA_.nFileSizeLow;
    }
}

bool FolderScan::Next(FolderEntry& entry) {
    while (handle_ != INVALID_HANDLE_VALUE) {
        if (!pending_ && !Advance()) return false;
        pending_ = false;
        Take(entry);
        if (entry.name != "." && entry.name != "..") return true;
    }
    return false;
}
