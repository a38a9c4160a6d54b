#include "files/FileError.h"

#include "files/FileErrorNumber.h"
#include "platform/AppError.h"

namespace {

std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD n = FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = n > 0 && text != nullptr ? std::string(text, n) : std::string();
    LocalFree(text);
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message.empty() ? "System error " + std::to_string(code) : message;
}

}  // namespace

void RaiseFileError(DWORD code, const std::string& source) {
    long number = FileErrorNumber(code);
    std::string text = FileErrorText(number);
    throw AppError(number, source, text.empty() ? SystemMessage(code) : text);
}

void RaiseLastFileError(const std::string& source) { RaiseFileError(GetLastError(), source); }
