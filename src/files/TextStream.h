// A text file opened for reading, writing or appending. Text is single-byte (the ANSI code
// page) and passes byte for byte: nothing is converted and no byte-order mark is read or
// written. Lines written end with CR LF; lines read end at LF, with a CR before it removed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

enum class IOMode { ForReading = 1, ForWriting = 2, ForAppending = 8 };

class TextStream {
  public:
    TextStream(HANDLE handle, IOMode mode) : handle_(handle), mode_(mode) {}
    ~TextStream();
    TextStream(TextStream&& other) noexcept;
    TextStream& operator=(TextStream&&) = delete;
    TextStream(const TextStream&) = delete;
    TextStream& operator=(const TextStream&) = delete;

    bool AtEndOfStream();
    // Up to n characters (fewer only at the end of the file).
    std::string Read(std::size_t n);
    // The next line without its end; raises 62 at the end of the file.
    std::string ReadLine();
    // Everything from the current position to the end.
    std::string ReadAll();

    void Write(const std::string& text);
    void WriteLine(const std::string& text = "");
    void WriteBlankLines(int count);

    // Writes what is buffered and closes the file; raises when the data cannot be written.
    void Close();

  private:
    bool Fill();
    // Reads the rest of a file of known size in one call, appended to the buffer.
    void ReadRest();
    void Flush();
    // Writes data from done on; false (the system's error still set) when a write fails.
    bool WriteBytes(std::string_view data, std::size_t& done);
    void RequireMode(bool reading) const;

    HANDLE handle_;
    IOMode mode_;
    std::string buffer_;  // read: bytes not yet consumed from pos_; write: bytes not yet written
    std::size_t pos_ = 0;
    bool eof_ = false;
};

// Opens a text file. Reading needs the file unless `create`; writing empties it; appending
// writes after its end. Raises AppError (53 when the file is missing, 70 when it is in use).
TextStream OpenTextFile(const std::string& path, IOMode mode, bool create = false);

// Creates a text file for writing; an existing file is emptied when `overwrite`, else it is
// an error.
TextStream CreateTextFile(const std::string& path, bool overwrite = true);
