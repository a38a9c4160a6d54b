#include "platform/System.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>
#include <shlobj.h>

#include "platform/AppError.h"

unsigned long QueryPlatformId() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = 148;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return info.dwPlatformId;
}

bool QueryWindows7OrLater() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
    return info.dwMajorVersion > 6 || (info.dwMajorVersion == 6 && info.dwMinorVersion >= 1);
}

std::string ProcessCommandLine() { return GetCommandLineA(); }

namespace {

std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::string ProgramFolder() {
    std::string path = ModulePath();
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ProgramName() {
    std::string path = ModulePath();
    std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

namespace {

[[noreturn]] void RaiseSystemError(DWORD code, const std::string& source) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   text, sizeof text, nullptr);
    std::string description = text;
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r')) {
        description.pop_back();
    }
    if (description.empty()) description = "System error " + std::to_string(code);
    throw AppError(static_cast<long>(0x80070000u | (code & 0xFFFFu)), source, description);
}

}  // namespace

namespace {

// The temporary folder as the system finds it (the first of TMP, TEMP and USERPROFILE), for a
// folder too long for GetTempPathA, which refuses paths beyond MAX_PATH (so does Wine's
// GetTempPathW).
std::string LongTempFolderPath() {
    for (const char* name : {"TMP", "TEMP", "USERPROFILE"}) {
        DWORD n = GetEnvironmentVariableA(name, nullptr, 0);
        if (n == 0) continue;
        std::string value(n, '\0');
        n = GetEnvironmentVariableA(name, value.data(), n);
        value.resize(n);
        if (value.empty()) continue;
        if (value.back() != '\\') value += '\\';
        return value;
    }
    RaiseSystemError(ERROR_FILENAME_EXCED_RANGE, "GetTempPathA");
}

}  // namespace

std::string TempFolderPath() {
    std::string path(MAX_PATH + 1, '\0');
    for (;;) {
        DWORD n = GetTempPathA(static_cast<DWORD>(path.size()), path.data());
        if (n == 0 && GetLastError() == ERROR_FILENAME_EXCED_RANGE) return LongTempFolderPath();
        if (n == 0) RaiseSystemError(GetLastError(), "GetTempPathA");
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(n + 1);  // n is the size the path needs, with its terminating NUL
    }
}

std::string SystemFolder() {
    char buffer[255] = {};
    UINT n = GetSystemDirectoryA(buffer, sizeof buffer);
    if (n == 0) RaiseSystemError(GetLastError(), "GetSystemDirectoryA");
    if (n >= sizeof buffer) RaiseSystemError(ERROR_INSUFFICIENT_BUFFER, "GetSystemDirectoryA");
    return std::string(buffer, n);
}

std::string ShortPathName(const std::string& path) {
    char buffer[164] = {};
    DWORD n = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

namespace {

// The named procedure of a loaded library. When the library has none it is freed and the
// system's error raised under the procedure's name.
void* ProcedureOrRaise(HMODULE library, const char* name) {
    void* procedure = reinterpret_cast<void*>(GetProcAddress(library, name));
    if (procedure == nullptr) {
        DWORD code = GetLastError();
        FreeLibrary(library);
        RaiseSystemError(code, name);
    }
    return procedure;
}

}  // namespace

long EmptyRecycleBinAllDrives() {
    using EmptyBin = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell == nullptr) RaiseSystemError(GetLastError(), "SHEmptyRecycleBinA");
    auto empty = reinterpret_cast<EmptyBin>(ProcedureOrRaise(shell, "SHEmptyRecycleBinA"));
    HRESULT result = empty(nullptr, "", SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    FreeLibrary(shell);
    return result;
}

bool QueryRecycleBins(std::uint64_t& items, std::uint64_t& bytes) {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinA("", &info))) return false;
    items = static_cast<std::uint64_t>(info.i64NumItems);
    bytes = static_cast<std::uint64_t>(info.i64Size);
    return true;
}

std::string LocalAppDataFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return "";
    return path;
}

void ClearShellRecentDocuments() { SHAddToRecentDocs(SHARD_PIDL, nullptr); }

namespace {

// The full form of a path through the wide call, which also takes paths beyond MAX_PATH.
std::string WideFullPath(const std::string& path) {
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return "";
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0) return "";
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
    if (n == 0 || n >= full.size()) return "";
    int size = WideCharToMultiByte(CP_ACP, 0, full.c_str(), static_cast<int>(n), nullptr, 0,
                                   nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, full.c_str(), static_cast<int>(n), narrow.data(), size, nullptr,
                        nullptr);
    return narrow;
}

// The full form of a path without trailing backslashes, for comparisons.
std::string Normalized(const std::string& path) {
    std::string full(MAX_PATH + 1, '\0');
    DWORD n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n >= full.size()) {
        full.resize(n + 1);
        n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    full.resize(n < full.size() ? n : 0);
    if (full.empty() && !path.empty()) full = WideFullPath(path);  // too long for the 8-bit call
    while (!full.empty() && (full.back() == '\\' || full.back() == '/')) full.pop_back();
    return full;
}

bool SameFolder(const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty() && lstrcmpiA(Normalized(a).c_str(), Normalized(b).c_str()) == 0;
}

bool IsRoot(const std::string& normalized) {
    if (normalized.size() <= 2) return true;  // "" or "C:"
    if (normalized.rfind("\\\\", 0) != 0) return false;
    std::size_t share = normalized.find('\\', 2);  // "\\server\share" is a root too
    return share == std::string::npos || normalized.find('\\', share + 1) == std::string::npos;
}

std::string FolderFrom(UINT (*query)(LPSTR, UINT)) {
    char buffer[MAX_PATH + 1] = {};
    UINT n = query(buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

std::string Environment(const char* name) {
    char buffer[32768] = {};
    DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

}  // namespace

bool IsProtectedFolder(const std::string& path) {
    if (IsRoot(Normalized(path))) return true;
    return SameFolder(path, FolderFrom(GetWindowsDirectoryA)) ||
           SameFolder(path, FolderFrom(GetSystemDirectoryA)) ||
           SameFolder(path, Environment("USERPROFILE"));
}

void CallClearHistory(const std::string& folder) {
    using ClearHistoryFunction = void (*)();
    if (folder.empty()) RaiseSystemError(ERROR_MOD_NOT_FOUND, "Brisvane.dll");
    const std::string path = folder + "\\Brisvane.dll";
    // With a full path the system loads exactly that file; the altered search order lets the
    // library's own imports be found beside it before the system folders.
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (library == nullptr) RaiseSystemError(GetLastError(), "Brisvane.dll");
    auto clear = reinterpret_cast<ClearHistoryFunction>(ProcedureOrRaise(library, "ClearHistory"));
    clear();
}

void StartProgram(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;  // CreateProcessA may write into its command line
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        RaiseSystemError(GetLastError(), "StartProgram");
    }
    // The started program may take the foreground from this one.
    AllowSetForegroundWindow(process.dwProcessId);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

CleanLock::CleanLock() {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Local\\BrisvaneClean");
    if (mutex == nullptr) return;
    const DWORD result = WaitForSingleObject(mutex, INFINITE);
    // An abandoned mutex is owned all the same: the other run's process has ended.
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
        mutex_ = mutex;
    } else {
        CloseHandle(mutex);
    }
}

CleanLock::~CleanLock() {
    if (mutex_ == nullptr) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}
