#include "platform/Crypto.h"

#include <windows.h>

#include <bcrypt.h>
#include <wincrypt.h>

#include "platform/AppError.h"

namespace {

constexpr long kCryptoError = 26101;

[[noreturn]] void Fail(const char* call) {
    throw AppError(kCryptoError, call,
                   std::string("The password could not be protected (") + call + " failed).");
}

void Check(NTSTATUS status, const char* call) {
    if (!BCRYPT_SUCCESS(status)) Fail(call);
}

// An HMAC-SHA-256 algorithm handle, closed when it goes out of scope.
class HmacSha256 {
  public:
    HmacSha256() {
        Check(BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA256_ALGORITHM, nullptr,
                                          BCRYPT_ALG_HANDLE_HMAC_FLAG),
              "BCryptOpenAlgorithmProvider");
    }
    ~HmacSha256() { BCryptCloseAlgorithmProvider(handle_, 0); }
    HmacSha256(const HmacSha256&) = delete;
    HmacSha256& operator=(const HmacSha256&) = delete;
    BCRYPT_ALG_HANDLE Handle() const { return handle_; }

  private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

PUCHAR Bytes(const std::string& text) {
    return reinterpret_cast<PUCHAR>(const_cast<char*>(text.data()));
}

}  // namespace

std::string RandomBytes(std::size_t count) {
    std::string bytes(count, '\0');
    Check(BCryptGenRandom(nullptr, Bytes(bytes), static_cast<ULONG>(count),
                          BCRYPT_USE_SYSTEM_PREFERRED_RNG),
          "BCryptGenRandom");
    return bytes;
}

std::string DerivePbkdf2Sha256(const std::string& password, const std::string& salt,
                               std::uint32_t iterations, std::size_t length) {
    HmacSha256 algorithm;
    std::string key(length, '\0');
    Check(BCryptDeriveKeyPBKDF2(algorithm.Handle(), Bytes(password),
                                static_cast<ULONG>(password.size()), Bytes(salt),
                                static_cast<ULONG>(salt.size()), iterations, Bytes(key),
                                static_cast<ULONG>(length), 0),
          "BCryptDeriveKeyPBKDF2");
    return key;
}

std::string ToBase64(const std::string& bytes) {
    if (bytes.empty()) return std::string();
    const DWORD flags = CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF;
    const auto* data = reinterpret_cast<const BYTE*>(bytes.data());
    DWORD size = 0;
    if (!CryptBinaryToStringA(data, static_cast<DWORD>(bytes.size()), flags, nullptr, &size)) {
        Fail("CryptBinaryToStringA");
    }
    std::string text(size, '\0');
    if (!CryptBinaryToStringA(data, static_cast<DWORD>(bytes.size()), flags, text.data(), &size)) {
        Fail("CryptBinaryToStringA");
    }
    text.resize(size);
    return text;
}

std::string FromBase64(const std::string& text) {
    DWORD size = 0;
    const auto length = static_cast<DWORD>(text.size());
    if (text.empty() || !CryptStringToBinaryA(text.c_str(), length, CRYPT_STRING_BASE64, nullptr,
                                              &size, nullptr, nullptr)) {
        Fail("CryptStringToBinaryA");
    }
    std::string bytes(size, '\0');
    if (!CryptStringToBinaryA(text.c_str(), length, CRYPT_STRING_BASE64,
                              reinterpret_cast<BYTE*>(bytes.data()), &size, nullptr, nullptr)) {
        Fail("CryptStringToBinaryA");
    }
    bytes.resize(size);
    if (ToBase64(bytes) != text) Fail("CryptStringToBinaryA");
    return bytes;
}
