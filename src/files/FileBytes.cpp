#include "files/FileBytes.h"

#include <windows.h>

#include "files/FileError.h"
#include "files/Win32Path.h"

namespace {

// Closes the handle when it goes out of scope.
struct Handle {
    HANDLE value;
    ~Handle() {
        if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
    }
};

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    Handle file{
        PathCreateFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING)};
    if (file.value == INVALID_HANDLE_VALUE) RaiseLastFileError("ReadFileBytes");
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (true) {
        if (!ReadFile(file.value, buffer, sizeof buffer, &got, nullptr)) {
            RaiseLastFileError("ReadFileBytes");
        }
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

bool IsHeldAgainstWriting(const std::string& path) {
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    Handle file{PathCreateFile(path, GENERIC_WRITE, share, OPEN_EXISTING)};
    if (file.value != INVALID_HANDLE_VALUE) return false;
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}
