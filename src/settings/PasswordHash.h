// The stored form of a hashed password, "pbkdf2-sha256$<iterations>$<salt>$<hash>" (iterations
// in decimal, salt and hash in standard base64), and the comparison of two hashes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline constexpr char kPasswordScheme[] = "pbkdf2-sha256";

struct StoredHash {
    std::uint32_t iterations = 0;
    std::string salt;  // base64
    std::string hash;  // base64
};

// True for a stored text that names a hashing scheme (it begins "pbkdf2-"), whether or not the
// scheme is known and the text well formed; any other text is a password stored as typed.
bool NamesHashScheme(const std::string& stored);

// The parts of a well-formed text of this scheme: four fields, an iteration count from 1 to
// 10,000,000 without sign or leading zero, non-empty salt and hash of base64 characters.
std::optional<StoredHash> ParseStoredHash(const std::string& stored);

std::string FormatStoredHash(const StoredHash& hash);

// Compares two byte strings in time that depends only on their lengths.
bool EqualInConstantTime(const std::string& a, const std::string& b);
