#include "files/TextStream.h"

#include <algorithm>
#include <utility>

#include "files/FileError.h"
#include "files/Win32Path.h"
#include "platform/AppError.h"

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// A file being read may still be written by its owner; one being written may only be read.
HANDLE OpenHandle(const std::string& path, DWORD access, DWORD disposition) {
    const DWORD share =
        access == GENERIC_READ ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    HANDLE handle = PathCreateFile(path, access, share, disposition);
    if (handle == INVALID_HANDLE_VALUE) RaiseLastFileError("OpenTextFile");
    return handle;
}

}  // namespace

TextStream::~TextStream() {
    try {
        Close();
    } catch (const AppError&) {
        // A stream that is dropped without Close cannot report a failed write.
    }
}

TextStream::TextStream(TextStream&& other) noexcept
    : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)),
      mode_(other.mode_),
      buffer_(std::move(other.buffer_)),
      pos_(other.pos_),
      eof_(other.eof_) {}

void TextStream::RequireMode(bool reading) const {
    if (handle_ == INVALID_HANDLE_VALUE)
        throw AppError(52, "TextStream", "Bad file name or number");
    if (reading != (mode_ == IOMode::ForReading)) throw AppError(54, "TextStream", "Bad file mode");
}

bool TextStream::Fill() {
    if (eof_) return false;
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
    }
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kChunk);
    DWORD got = 0;
    if (!ReadFile(handle_, buffer_.data() + had, kChunk, &got, nullptr)) {
        buffer_.resize(had);
        RaiseLastFileError("TextStream");
    }
    buffer_.resize(had + got);
    if (got == 0) eof_ = true;
    return got > 0;
}

bool TextStream::AtEndOfStream() {
    RequireMode(true);
    return pos_ >= buffer_.size() && !Fill();
}

std::string TextStream::Read(std::size_t n) {
    RequireMode(true);
    while (buffer_.size() - pos_ < n && Fill()) {
    }
    std::string text = buffer_.substr(pos_, n);
    pos_ += text.size();
    return text;
}

std::string TextStream::ReadLine() {
    if (AtEndOfStream()) throw AppError(62, "TextStream", "Input past end of file");
    std::size_t from = pos_;
    std::size_t lf;
    while ((lf = buffer_.find('\n', from)) == std::string::npos) {
        const std::size_t searched = buffer_.size() - pos_;
        if (!Fill()) break;  // Fill moves the unread bytes to the front
        from = pos_ + searched;
    }
    std::size_t end = lf == std::string::npos ? buffer_.size() : lf;
    std::size_t next = lf == std::string::npos ? end : lf + 1;
    if (lf != std::string::npos && end > pos_ && buffer_[end - 1] == '\r') --end;
    std::string line = buffer_.substr(pos_, end - pos_);
    pos_ = next;
    return line;
}

std::string TextStream::ReadAll() {
    RequireMode(true);
    buffer_.erase(0, pos_);
    pos_ = 0;
    ReadRest();
    while (Fill()) {  // a file that grew since its size was asked; else one empty read
    }
    std::string text = std::move(buffer_);
    buffer_.clear();
    return text;
}

void TextStream::ReadRest() {
    LARGE_INTEGER size, at, zero{};
    if (eof_ || !GetFileSizeEx(handle_, &size) ||
        !SetFilePointerEx(handle_, zero, &at, FILE_CURRENT) || size.QuadPart <= at.QuadPart) {
        return;  // not a file of known size, or nothing left: read in chunks
    }
    const auto rest = static_cast<std::size_t>(size.QuadPart - at.QuadPart);
    const std::size_t had = buffer_.size();
    buffer_.reserve(had + rest + kChunk);  // room for the last, empty read without a copy
    buffer_.resize(had + rest);
    std::size_t done = 0;
    while (done < rest) {
        DWORD got = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(rest - done, 1u << 30));
        if (!ReadFile(handle_, buffer_.data() + had + done, ask, &got, nullptr)) {
            const DWORD code = GetLastError();
            buffer_.resize(had + done);
            RaiseFileError(code, "TextStream");
        }
        if (got == 0) break;  // the file was shortened meanwhile
        done += got;
    }
    buffer_.resize(had + done);
}

void TextStream::Write(const std::string& text) {
    RequireMode(false);
    if (buffer_.size() + text.size() < kChunk) {
        buffer_ += text;
        return;
    }
    // Large text goes to the file as it is, without a copy into the buffer.
    Flush();
    std::size_t done = 0;
    if (!WriteBytes(text, done)) {
        const DWORD code = GetLastError();
        buffer_.assign(text, done);  // what was not written stays for Close to try again
        RaiseFileError(code, "TextStream");
    }
}

void TextStream::WriteLine(const std::string& text) { Write(text + "\r\n"); }

void TextStream::WriteBlankLines(int count) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += "\r\n";
    Write(lines);
}

bool TextStream::WriteBytes(std::string_view data, std::size_t& done) {
    while (done < data.size()) {
        DWORD wrote = 0;
        DWORD size = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        if (!WriteFile(handle_, data.data() + done, size, &wrote, nullptr) || wrote == 0) {
            return false;
        }
        done += wrote;
    }
    return true;
}

void TextStream::Flush() {
    std::size_t done = 0;
    if (!WriteBytes(buffer_, done)) {
        const DWORD code = GetLastError();
        buffer_.erase(0, done);
        RaiseFileError(code, "TextStream");
    }
    buffer_.clear();
}

void TextStream::Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    HANDLE handle = handle_;
    try {
        if (mode_ != IOMode::ForReading) Flush();
    } catch (const AppError&) {
        handle_ = INVALID_HANDLE_VALUE;
        CloseHandle(handle);
        throw;
    }
    handle_ = INVALID_HANDLE_VALUE;
    buffer_.clear();
    if (!CloseHandle(handle)) RaiseLastFileError("TextStream");
}

TextStream OpenTextFile(const std::string& path, IOMode mode, bool create) {
    switch (mode) {
        case IOMode::ForReading:
            return TextStream(OpenHandle(path, GENERIC_READ, create ? OPEN_ALWAYS : OPEN_EXISTING),
                              mode);
        case IOMode::ForWriting:
            return TextStream(
                OpenHandle(path, GENERIC_WRITE, create ? CREATE_ALWAYS : TRUNCATE_EXISTING), mode);
        case IOMode::ForAppending:
            break;
    }
    HANDLE handle = OpenHandle(path, GENERIC_WRITE, create ? OPEN_ALWAYS : OPEN_EXISTING);
    if (SetFilePointer(handle, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        DWORD code = GetLastError();
        CloseHandle(handle);
        RaiseFileError(code, "OpenTextFile");
    }
    return TextStream(handle, mode);
}

TextStream CreateTextFile(const std::string& path, bool overwrite) {
    return TextStream(OpenHandle(path, GENERIC_WRITE, overwrite ? CREATE_ALWAYS : CREATE_NEW),
                      IOMode::ForWriting);
}
