// The settings store against Wine's real registry. Each test starts without the settings key
// and removes it afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "FailingRegistryApi.h"
#include "RegistrySandbox.h"
#include "settings/Options.h"
#include "settings/RegistryPaths.h"
#include "settings/SettingsStore.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

// Every flag property of the settings object by value name.
std::map<std::string, Boolean> Flags(const cSettings& s) {
    return {{"DocumentHistory", s.DocumentHistory()},
            {"FindSearch", s.FindSearch()},
            {"Run", s.Run()},
            {"TempFiles", s.TempFiles()},
            {"RecycleBin", s.RecycleBin()},
            {"CleanAtStartUp", s.CleanAtStartUp()},
            {"CleanAtShutDown", s.CleanAtShutDown()},
            {"InternetCookies", s.InternetCookies()},
            {"InternetHistory", s.InternetHistory()},
            {"InternetURLHistory", s.InternetURLHistory()},
            {"PasswordProtected", s.PasswordProtected()},
            {"DisplayProgress", s.DisplayProgress()},
            {"Report", s.Report()},
            {"TempInternet", s.TempInternet()}};
}

struct RegLine {
    std::string type;
    std::string data;
};

// The values of the settings key as Wine's own reg.exe lists them: name -> type and data.
std::map<std::string, RegLine> RegQuerySettings() {
    std::map<std::string, RegLine> values;
    FILE* pipe = _popen("reg.exe query \"HKCU\\Software\\Brisvane\\Settings\"", "r");
    if (pipe == nullptr) return values;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        if (text.rfind("    ", 0) != 0) continue;  // the key's own name and blank lines
        std::size_t typeAt = text.find("    REG_", 4);
        if (typeAt == std::string::npos) continue;
        std::size_t dataAt = text.find("    ", typeAt + 4);
        RegLine value{text.substr(typeAt + 4, dataAt - typeAt - 4),
                      dataAt == std::string::npos ? "" : text.substr(dataAt + 4)};
        values[text.substr(4, typeAt - 4)] = value;
    }
    _pclose(pipe);
    return values;
}

void DeleteSettingsKey() { RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSettings); }

void StoreText(const std::string& name, const std::string& text) {
    WriteRaw(regpath::kSettings, name, REG_SZ, SzBytes(text));
}

struct SettingsStore : testing::Test {
    void SetUp() override { DeleteSettingsKey(); }
    void TearDown() override { DeleteSettingsKey(); }

    cRegistry registry;
    cSettings settings;
};

}  // namespace

TEST_F(SettingsStore, FirstRunCreatesTheKeyWithFifteenFalseFlagsAndAnEmptyPassword) {
    settings.SetDefaultBrowser("IE");
    LoadSettings(settings, registry);

    for (const auto& [name, value] : Flags(settings)) EXPECT_EQ(value, kFalse) << name;
    EXPECT_EQ(settings.Password(), "");
    EXPECT_EQ(settings.DefaultNSProfile(), "");

    // What Wine's own reg.exe sees of what was written.
    std::map<std::string, RegLine> listed = RegQuerySettings();
    EXPECT_EQ(listed.size(), 16u);
    for (const Option& option : kOptions) {
        const char* flag = option.name;
        EXPECT_EQ(listed[flag].type, "REG_SZ") << flag;
        EXPECT_EQ(listed[flag].data, "false") << flag;
    }
    ASSERT_EQ(listed.count("BrisvanePassword"), 1u);
    EXPECT_EQ(listed["BrisvanePassword"].type, "REG_SZ");
    EXPECT_EQ(ReadRaw(regpath::kSettings, "BrisvanePassword").data, SzBytes(""));

    // A second start finds every value and changes nothing.
    cSettings again;
    LoadSettings(again, registry);
    EXPECT_EQ(RegQuerySettings().size(), 16u);
}

TEST_F(SettingsStore, FlagTextsLoadAsTruthValues) {
    struct Case {
        const char* text;
        Boolean expected;
    };
    const Case cases[] = {{"TRUE", kTrue},   {"true", kTrue}, {"True", kTrue},
                          {"1", kTrue},      {"-1", kTrue},   {"False", kFalse},
                          {"false", kFalse}, {"0", kFalse},   {"FaLsE", kFalse}};
    for (const Case& c : cases) {
        // The first flag, the last one before the password and the last one of all.
        for (const char* flag : {"DocumentHistory", "PasswordProtected", "TempInternet"}) {
            DeleteSettingsKey();
            StoreText(flag, c.text);
            cSettings loaded;
            LoadSettings(loaded, registry);
            EXPECT_EQ(Flags(loaded)[flag], c.expected) << flag << " = " << c.text;
        }
    }
    // A number stored as a DWORD converts like its decimal text.
    DeleteSettingsKey();
    WriteRaw(regpath::kSettings, "Report", REG_DWORD, {1, 0, 0, 0});
    LoadSettings(settings, registry);
    EXPECT_EQ(settings.Report(), kTrue);
}

TEST_F(SettingsStore, AFlagThatIsNoTruthValueStopsLoadingAtThatValue) {
    for (const Option& option : kOptions) StoreText(option.name, "True");
    StoreText("RecycleBin", "yes");
    StoreText("BrisvanePassword", "secret");
    try {
        LoadSettings(settings, registry);
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), 13);
    }
    std::map<std::string, Boolean> flags = Flags(settings);
    for (const char* before : {"DocumentHistory", "FindSearch", "Run", "TempFiles"}) {
        EXPECT_EQ(flags[before], kTrue) << before;
    }
    for (const char* after :
         {"RecycleBin", "CleanAtStartUp", "PasswordProtected", "Report", "TempInternet"}) {
        EXPECT_EQ(flags[after], kFalse) << after;
    }
    EXPECT_EQ(settings.Password(), "");
    EXPECT_EQ(ReadRaw(regpath::kSettings, "RecycleBin").data, SzBytes("yes"));
}

TEST_F(SettingsStore, AnEmptyFlagIsRewrittenAsFalse) {
    StoreText("Run", "");
    StoreText("BrisvanePassword", "");
    EXPECT_EQ(ReadSetting(registry, "Run", false), "False");
    EXPECT_EQ(ReadRaw(regpath::kSettings, "Run").data, SzBytes("false"));
    EXPECT_EQ(ReadSetting(registry, "BrisvanePassword", true), "");
    EXPECT_TRUE(ReadRaw(regpath::kSettings, "BrisvanePassword").exists);
    StoreText("Run", "");
    LoadSettings(settings, registry);
    EXPECT_EQ(settings.Run(), kFalse);
    EXPECT_EQ(ReadRaw(regpath::kSettings, "Run").data, SzBytes("false"));
}

TEST_F(SettingsStore, SavingAFlagStoresTrueForEveryNonZeroState) {
    struct Case {
        std::int16_t state;
        const char* stored;
    };
    for (const Case& c : {Case{1, "True"}, Case{0, "False"}, Case{2, "True"}, Case{-1, "True"}}) {
        SaveFlagSetting(registry, "Report", c.state);
        RawValue stored = ReadRaw(regpath::kSettings, "Report");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << c.state;
        EXPECT_EQ(stored.data, SzBytes(c.stored)) << c.state;
    }
    SaveStringSetting(registry, "DefaultNSProfile", "My Profile");
    EXPECT_EQ(ReadRaw(regpath::kSettings, "DefaultNSProfile").data, SzBytes("My Profile"));
    std::map<std::string, RegLine> listed = RegQuerySettings();
    EXPECT_EQ(listed["Report"].data, "True");
    EXPECT_EQ(listed["DefaultNSProfile"].data, "My Profile");
}

TEST_F(SettingsStore, TheNetscapeProfileIsLoadedOnlyForNetscape) {
    settings.SetDefaultBrowser("IE");
    LoadSettings(settings, registry);
    EXPECT_FALSE(ReadRaw(regpath::kSettings, "DefaultNSProfile").exists);
    EXPECT_EQ(settings.DefaultNSProfile(), "");

    cSettings netscape;
    netscape.SetDefaultBrowser("NS");
    LoadSettings(netscape, registry);
    EXPECT_EQ(netscape.DefaultNSProfile(), "default");
    EXPECT_EQ(ReadRaw(regpath::kSettings, "DefaultNSProfile").data, SzBytes("default"));
    EXPECT_EQ(RegQuerySettings().size(), 17u);

    SaveStringSetting(registry, "DefaultNSProfile", "work");
    cSettings saved;
    saved.SetDefaultBrowser("NS");
    LoadSettings(saved, registry);
    EXPECT_EQ(saved.DefaultNSProfile(), "work");
}

TEST_F(SettingsStore, AFailingSaveRaisesTheRegistryError) {
    FailingRegistryApi api;
    api.failing = RegCall::SetValue;
    cRegistry failing(api);
    EXPECT_THROW(SaveFlagSetting(failing, "Report", 1), AppError);
    EXPECT_THROW(SaveStringSetting(failing, "DefaultNSProfile", "x"), AppError);
    EXPECT_FALSE(ReadRaw(regpath::kSettings, "Report").exists);
}
