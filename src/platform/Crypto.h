// Windows' own cryptography (CNG) and base64 (crypt32), for the program password. Every call
// raises AppError with the failing call's name when the system refuses it.
#pragma once

#include <cstdint>
#include <string>

// `count` bytes from the system's random number generator (BCryptGenRandom).
std::string RandomBytes(std::size_t count);

// PBKDF2 with HMAC-SHA-256 (BCryptDeriveKeyPBKDF2) of `password` and `salt`, `length` bytes.
std::string DerivePbkdf2Sha256(const std::string& password, const std::string& salt,
                               std::uint32_t iterations, std::size_t length);

// Standard base64 on one line, without line breaks (CryptBinaryToStringA).
std::string ToBase64(const std::string& bytes);

// The bytes of a standard base64 text (CryptStringToBinaryA). Raises AppError when the text is
// not exactly what ToBase64 gives for those bytes, so that no lenient reading of damaged text
// passes for valid.
std::string FromBase64(const std::string& text);
