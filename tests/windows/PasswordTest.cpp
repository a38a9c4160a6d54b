// The password procedures against Wine's real registry: the password is stored as REG_SZ and
// compared exactly as typed, "%" signs included.
#include <windows.h>

#include <gtest/gtest.h>

#include "FailingRegistryApi.h"
#include "RegistryTestKey.h"
#include "settings/Password.h"
#include "settings/SettingsStore.h"
#include "settings/cRegistry.h"

namespace {

struct PasswordStore : testing::Test {
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }

    cRegistry registry;
};

}  // namespace

TEST_F(PasswordStore, APasswordIsStoredAndAcceptedExactlyAsTyped) {
    SetEnvironmentVariableA("BRISVANE_PW_TEST", "expanded");
    const char* const passwords[] = {
        "Secret", " with blanks ", "100%", "%%", "%BRISVANE_PW_TEST%x", "a%TEMP%b%", "Pässwörd"};
    for (const char* typed : passwords) {
        SavePassword(registry, typed);
        RawValue stored = ReadRaw(kSettingsKey, "BrisvanePassword");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << typed;
        EXPECT_EQ(stored.data, SzBytes(typed)) << typed;
        EXPECT_EQ(IsPasswordSet(registry), kTrue) << typed;
        EXPECT_EQ(CheckPassword(registry, typed), kTrue) << typed;
        EXPECT_EQ(CheckPassword(registry, std::string(typed) + " "), kFalse) << typed;
    }
    EXPECT_EQ(CheckPassword(registry, "expandedx"), kFalse);
    SavePassword(registry, "Secret");
    EXPECT_EQ(CheckPassword(registry, "secret"), kFalse);
    EXPECT_EQ(CheckPassword(registry, "SECRET"), kFalse);
}

TEST_F(PasswordStore, APasswordStoredExpandableByAnEarlierVersionStillWorks) {
    SetEnvironmentVariableA("BRISVANE_PW_TEST", "expanded");
    WriteRaw(kSettingsKey, "BrisvanePassword", REG_EXPAND_SZ, SzBytes("%BRISVANE_PW_TEST%x"));
    EXPECT_EQ(IsPasswordSet(registry), kTrue);
    EXPECT_EQ(CheckPassword(registry, "%BRISVANE_PW_TEST%x"), kTrue);
    EXPECT_EQ(CheckPassword(registry, "expandedx"), kTrue);
    EXPECT_EQ(CheckPassword(registry, "expanded"), kFalse);
}

TEST_F(PasswordStore, ClearingLeavesAnEmptyPasswordThatIsNotSet) {
    EXPECT_EQ(IsPasswordSet(registry), kFalse);  // no value at all
    SavePassword(registry, "Secret");
    ClearPassword(registry);
    RawValue stored = ReadRaw(kSettingsKey, "BrisvanePassword");
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
}
