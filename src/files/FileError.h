// Raising the AppError of a failed file operation from the system's error code.
#pragma once

#include <windows.h>

#include <string>

// Raises AppError with the program's number for `code` (see FileErrorNumber) and its
// description; `source` names the operation.
[[noreturn]] void RaiseFileError(DWORD code, const std::string& source);

// The same, with the calling thread's last error.
[[noreturn]] void RaiseLastFileError(const std::string& source);
