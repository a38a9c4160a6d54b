// How a system error code of a file operation becomes the program's error number: a file or
// folder in use or locked is 70, a missing path 76, a missing file 53, and every other code a
// number of its own (the code in the system's 0x8007xxxx form) that cannot clash with those.
#pragma once

#include <cstdint>
#include <string>

namespace syserr {
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kPathNotFound = 3;
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kSharingViolation = 32;
inline constexpr std::uint32_t kLockViolation = 33;
}  // namespace syserr

long FileErrorNumber(std::uint32_t systemCode);

// The fixed description of 70, 53 and 76; "" for the numbers whose text the system gives.
std::string FileErrorText(long number);
