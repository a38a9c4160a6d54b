// Which value is in force on Wine's real registry: the machine's policy over the user's over
// the user's setting, values of another type or number counted as absent, and the user's stored
// settings never changed by any of it.
#include <memory>

#include "MainWindowTesting.h"
#include "settings/BrowserSettings.h"
#include "settings/Policies.h"
#include "settings/SettingsStore.h"

using namespace std::string_view_literals;

namespace {

// A value's type and bytes; RegistryOverride writes the text and one zero byte after it.
struct Raw {
    DWORD type;  // REG_NONE: no value
    std::string_view text;
};
constexpr Raw kOn{REG_DWORD, "\1\0\0"sv}, kOff{REG_DWORD, "\0\0\0"sv}, kNone{REG_NONE, ""};

const PolicyInfo& Info(std::string_view name) {
    for (const PolicyInfo& policy : kPolicies) {
        if (name == policy.name) return policy;
    }
    throw std::invalid_argument("no such policy");
}

std::string SettingKey(const PolicyInfo& info) {
    return info.target == PolicyTarget::Option ? kSettingsPath : regpath::kBrowsers;
}

}  // namespace

using Policies = MainWindowTest;

TEST_F(Policies, MachineOverUserOverSettingWithOtherTypesIgnoredAndNothingStored) {
    struct Case {
        const char* policy;
        Raw machine, user;
        const char* stored;  // the user's setting
        bool inForce;
    };
    constexpr Case cases[] = {
        {"TempFiles", kOn, kOff, "False", true},
        {"Run", kOff, kNone, "True", false},
        {"RecycleBin", kNone, kOn, "False", true},
        {"DocumentHistory", {REG_DWORD, "\2\0\0"sv}, kOff, "True", false},
        {"FindSearch", {REG_SZ, "1"}, kNone, "False", false},
        {"Report", {REG_QWORD, "\1\0\0\0\0\0\0"sv}, kNone, "True", true},
        {"DisplayProgress", {REG_DWORD_BIG_ENDIAN, "\0\0\0"sv}, kNone, "True", true},
        {"InternetCookies", kNone, kNone, "True", true},
        {"BrowserCookies", kOn, kNone, "False", true},
        {"BrowserCache", kOff, kOn, "True", false},
    };
    StoreAllFlags("False");
    std::vector<std::unique_ptr<RegistryOverride>> policies;
    auto set = [&](HKEY root, const char* path, const char* name, const Raw& raw) {
        if (raw.type == REG_NONE) return;
        policies.push_back(std::make_unique<RegistryOverride>(
            root, path, name, std::string(raw.text), regpath::kPolicies, raw.type));
    };
    for (const Case& c : cases) {
        WriteRaw(SettingKey(Info(c.policy)), Info(c.policy).governs, REG_SZ, SzBytes(c.stored));
        set(HKEY_LOCAL_MACHINE, regpath::kPolicies, c.policy, c.machine);
        set(HKEY_CURRENT_USER, regpath::kPolicies, c.policy, c.user);
    }
    set(HKEY_LOCAL_MACHINE, regpath::kSitesToKeep, "1", {REG_SZ, "bank.test"});
    set(HKEY_CURRENT_USER, regpath::kSitesToKeep, "1", {REG_SZ, "other.test"});

    cRegistry registry;
    cSettings user;
    LoadSettings(user, registry);
    const PolicySet inForce = ReadPolicies(registry.Api());
    const cSettings effective = EffectiveSettings(user, inForce);
    const BrowserParts parts = EffectiveParts(LoadBrowserParts(registry), inForce);
    for (const Case& c : cases) {
        const PolicyInfo& info = Info(c.policy);
        const bool on = info.target == PolicyTarget::Option
                            ? (effective.*OptionNamed(info.governs).get)() != kFalse
                            : (info.governs == "Cookies"sv ? parts.cookies : parts.cache);
        EXPECT_EQ(on, c.inForce) << c.policy;
        EXPECT_EQ(ReadRawText(SettingKey(info), info.governs), c.stored) << c.policy;
    }
    EXPECT_EQ(inForce.Sites(), std::vector<std::string>{"bank.test"});
}
