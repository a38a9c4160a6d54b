// The password is never stored as typed: "BrisvanePassword" holds a salted PBKDF2-HMAC-SHA-256
// hash in the form that PasswordHash.h describes, written as REG_SZ. A value that names no
// scheme is a password stored as typed by an earlier version: it is compared as typed (and, for
// REG_EXPAND_SZ, also in its expanded form, the only form those versions accepted) and replaced
// by its hash after the first logon that matches it.
#include "settings/Password.h"

#include "platform/AppError.h"
#include "platform/Crypto.h"
#include "settings/PasswordHash.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

// About 0.3 s of processor time per logon under Wine 8 (its PBKDF2 is slower than Windows');
// the count that was the common recommendation for PBKDF2-HMAC-SHA-256 until 2023.
constexpr std::uint32_t kIterations = 310'000;
constexpr std::size_t kSaltBytes = 16;
constexpr std::size_t kHashBytes = 32;

void AddressPassword(cRegistry& registry) {
    AddressValue(registry, hkey::kCurrentUser, regpath::kSettings, regpath::kPasswordValue);
    registry.SetValueType(regtype::kSz);
}

std::string HashedForm(const std::string& text) {
    std::string salt = RandomBytes(kSaltBytes);
    std::string hash = DerivePbkdf2Sha256(text, salt, kIterations, kHashBytes);
    return FormatStoredHash({kIterations, ToBase64(salt), ToBase64(hash)});
}

// Raises AppError only when the cryptography itself fails; a damaged stored text matches no
// password.
bool MatchesHash(const std::string& stored, const std::string& typed) {
    std::optional<StoredHash> parts = ParseStoredHash(stored);
    if (!parts) return false;
    std::string salt;
    std::string hash;
    try {
        salt = FromBase64(parts->salt);
        hash = FromBase64(parts->hash);
    } catch (const AppError&) {
        return false;
    }
    if (hash.size() != kHashBytes) return false;
    return EqualInConstantTime(DerivePbkdf2Sha256(typed, salt, parts->iterations, kHashBytes),
                               hash);
}

bool MatchesTypedText(cRegistry& registry, const std::string& stored, const std::string& typed) {
    if (stored == typed) return true;
    return registry.ValueType() == regtype::kExpandSz && registry.Value().ToText() == typed;
}

// A failed rewrite leaves the earlier value, which keeps working; the logon still succeeds.
void RehashAfterLogon(cRegistry& registry, const std::string& typed) {
    try {
        SavePassword(registry, typed);
    } catch (const AppError&) {
    }
}

}  // namespace

void SavePassword(cRegistry& registry, const std::string& text) {
    std::string stored = text.empty() ? std::string() : HashedForm(text);
    AddressPassword(registry);
    registry.SetLiteralText(stored);
}

void ClearPassword(cRegistry& registry) {
    AddressPassword(registry);
    registry.SetValue(Variant::FromString(std::string()));
}

Boolean IsPasswordSet(cRegistry& registry) {
    AddressPassword(registry);
    return ToBoolean(!registry.RawValue().ToText().empty());
}

Boolean CheckPassword(cRegistry& registry, const std::string& typed) {
    AddressPassword(registry);
    std::string stored = registry.RawValue().ToText();
    if (NamesHashScheme(stored)) return ToBoolean(MatchesHash(stored, typed));
    if (!MatchesTypedText(registry, stored, typed)) return kFalse;
    if (!stored.empty()) RehashAfterLogon(registry, typed);
    return kTrue;
}
