// The one exception type of the program: an error number, the source that raised it and a
// description, as the registry object and the file-system access report failures.
#pragma once

#include <stdexcept>
#include <string>

namespace err {
inline constexpr long kPermissionDenied = 70;
inline constexpr long kFileNotFound = 53;
inline constexpr long kPathNotFound = 76;
inline constexpr long kRegistry = 26001;
}  // namespace err

class AppError : public std::runtime_error {
  public:
    AppError(long number, std::string source, std::string description)
        : std::runtime_error(description),
          number_(number),
          source_(std::move(source)),
          description_(std::move(description)) {}

    long Number() const { return number_; }
    const std::string& Source() const { return source_; }
    const std::string& Description() const { return description_; }

  private:
    long number_;
    std::string source_;
    std::string description_;
};
