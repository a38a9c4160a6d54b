// The password procedures against Wine's real registry and cryptography: the value holds a
// salted hash, never the text; values stored as typed by earlier versions log on once and are
// then hashed; damaged values refuse every password.
#include <windows.h>

#include <gtest/gtest.h>

#include "FailingRegistryApi.h"
#include "RegistrySandbox.h"
#include "settings/Password.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

constexpr const char* kPrefix = "pbkdf2-sha256$310000$";

struct PasswordStore : testing::Test {
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSettings); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSettings); }

    RawValue Raw() const { return ReadRaw(regpath::kSettings, "BrisvanePassword"); }
    std::string StoredText() const { return ReadRawText(regpath::kSettings, "BrisvanePassword"); }
    void StoreRaw(DWORD type, const std::string& text) {
        WriteRaw(regpath::kSettings, "BrisvanePassword", type, SzBytes(text));
    }

    cRegistry registry;
};

// True when some part of `secret` of four or more characters appears in `text`.
bool HoldsPartOf(const std::string& text, const std::string& secret) {
    for (std::size_t at = 0; at + 4 <= secret.size(); ++at) {
        if (text.find(secret.substr(at, 4)) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

TEST_F(PasswordStore, ASavedPasswordIsASaltedHashThatLogsOnOnlyAsTyped) {
    SetEnvironmentVariableA("BRISVANE_PW_TEST", "expanded");
    const char* const passwords[] = {"Secret", " with blanks ", "%BRISVANE_PW_TEST%x", "Pässwörd"};
    for (const std::string typed : passwords) {
        SavePassword(registry, typed);
        std::string first = StoredText();
        EXPECT_EQ(Raw().type, static_cast<DWORD>(REG_SZ)) << typed;
        EXPECT_EQ(first.rfind(kPrefix, 0), 0u) << first;
        EXPECT_FALSE(HoldsPartOf(first, typed)) << first;
        EXPECT_EQ(IsPasswordSet(registry), kTrue) << typed;
        EXPECT_EQ(CheckPassword(registry, typed), kTrue) << typed;
        EXPECT_EQ(CheckPassword(registry, typed + " "), kFalse) << typed;
        EXPECT_EQ(CheckPassword(registry, first), kFalse) << "the stored text is no password";
        SavePassword(registry, typed);
        EXPECT_NE(StoredText(), first) << "each save has a salt of its own";
    }
    EXPECT_EQ(CheckPassword(registry, "pässwörd"), kFalse);
    EXPECT_EQ(CheckPassword(registry, "PÄSSWÖRD"), kFalse);
}

TEST_F(PasswordStore, APasswordStoredAsTypedLogsOnOnceAndIsThenHashed) {
    SetEnvironmentVariableA("BRISVANE_PW_TEST", "expanded");
    struct Case {
        DWORD type;
        const char* stored;
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {
        {REG_SZ, "Secret", "Secret", true},
        {REG_SZ, "Secret", "secret", false},
        {REG_SZ, "%BRISVANE_PW_TEST%x", "%BRISVANE_PW_TEST%x", true},
        {REG_SZ, "%BRISVANE_PW_TEST%x", "expandedx", false},
        {REG_EXPAND_SZ, "%BRISVANE_PW_TEST%x", "%BRISVANE_PW_TEST%x", true},
        {REG_EXPAND_SZ, "%BRISVANE_PW_TEST%x", "expandedx", true},
        {REG_EXPAND_SZ, "%BRISVANE_PW_TEST%x", "expanded", false},
    };
    for (const Case& c : cases) {
        StoreRaw(c.type, c.stored);
        const std::string label = std::string(c.stored) + " / " + c.typed;
        EXPECT_EQ(CheckPassword(registry, c.typed), ToBoolean(c.accepted)) << label;
        if (!c.accepted) {
            EXPECT_EQ(StoredText(), c.stored) << label << ": a refusal changes nothing";
            continue;
        }
        EXPECT_EQ(Raw().type, static_cast<DWORD>(REG_SZ)) << label;
        EXPECT_EQ(StoredText().rfind(kPrefix, 0), 0u) << label;
        EXPECT_EQ(CheckPassword(registry, c.typed), kTrue) << label << ": logs on again";
        EXPECT_EQ(CheckPassword(registry, c.stored == std::string(c.typed) ? "x" : c.stored),
                  kFalse)
            << label;
    }
}

TEST_F(PasswordStore, ADamagedStoredValueRefusesEveryPassword) {
    SavePassword(registry, "Secret");
    const std::string good = StoredText();
    const std::string salt = good.substr(good.find('$', 15) + 1, 24);
    const std::string hash = good.substr(good.rfind('$') + 1);
    const std::string damaged[] = {
        std::string(kPrefix) + "!!!!$" + hash,               // salt not base64
        std::string(kPrefix) + salt + "$" + hash.substr(1),  // hash cut short
        std::string(kPrefix) + salt + "$" + hash + "$",      // a fifth field
        "pbkdf2-sha256$0$" + salt + "$" + hash,              // no iterations
        "pbkdf2-sha512$600000$" + salt + "$" + hash,         // unknown scheme
        "pbkdf2-",
    };
    for (const std::string& stored : damaged) {
        StoreRaw(REG_SZ, stored);
        EXPECT_EQ(IsPasswordSet(registry), kTrue) << stored;
        for (const std::string typed : {"Secret", "", stored.c_str()}) {
            EXPECT_EQ(CheckPassword(registry, typed), kFalse) << stored << " / " << typed;
        }
        EXPECT_EQ(StoredText(), stored);
    }
}

TEST_F(PasswordStore, ClearingLeavesAnEmptyPasswordThatIsNotSet) {
    EXPECT_EQ(IsPasswordSet(registry), kFalse);  // no value at all
    SavePassword(registry, "Secret");
    ClearPassword(registry);
    RawValue stored = Raw();
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, SzBytes(""));
    EXPECT_EQ(IsPasswordSet(registry), kFalse);
    EXPECT_EQ(CheckPassword(registry, "Secret"), kFalse);
}

TEST_F(PasswordStore, AFailingWriteRaisesAndKeepsTheOldPassword) {
    SavePassword(registry, "old");
    FailingRegistryApi api;
    api.failing = RegCall::SetValue;
    cRegistry failing(api);
    EXPECT_THROW(SavePassword(failing, "new"), AppError);
    EXPECT_THROW(ClearPassword(failing), AppError);
    EXPECT_EQ(CheckPassword(registry, "old"), kTrue);
    // A plain value whose rewrite fails still logs on, and stays as it was.
    StoreRaw(REG_SZ, "plain");
    EXPECT_EQ(CheckPassword(failing, "plain"), kTrue);
    EXPECT_EQ(StoredText(), "plain");
}
