#include "settings/SettingsStore.h"

#include <iterator>
#include <optional>

#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/FlagText.h"
#include "settings/Options.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

constexpr long kTypeMismatch = 13;

void AddressSetting(cRegistry& registry, const std::string& path, const std::string& name) {
    AddressValue(registry, hkey::kCurrentUser, path, name);
    registry.SetValueType(regtype::kSz);
}

// A stored text that is not a truth value stops the loading with a type-conversion error.
void LoadFlags(cSettings& settings, cRegistry& registry, const Option* first, const Option* last,
               bool storeDefaults) {
    for (const Option* option = first; option != last; ++option) {
        std::optional<Boolean> value =
            FlagTextToBoolean(ReadSetting(registry, option->name, false, storeDefaults));
        if (!value) throw AppError(kTypeMismatch, ProgramName(), "Type mismatch");
        (settings.*option->set)(*value);
    }
}

void LoadProfile(cSettings& settings, cRegistry& registry, bool storeDefaults) {
    settings.SetDefaultNSProfile(
        ReadSetting(registry, regpath::kProfileValue, true, storeDefaults));
    if (settings.DefaultNSProfile().empty()) {
        settings.SetDefaultNSProfile("default");
        if (storeDefaults) SaveStringSetting(registry, regpath::kProfileValue, "default");
    }
}

}  // namespace

void LoadSettings(cSettings& settings, cRegistry& registry, bool storeDefaults) {
    const Option* passwordNext = std::begin(kOptions) + kOptionsBeforePassword;
    LoadFlags(settings, registry, std::begin(kOptions), passwordNext, storeDefaults);
    settings.SetPassword(ReadSetting(registry, regpath::kPasswordValue, true, storeDefaults));
    LoadFlags(settings, registry, passwordNext, std::end(kOptions), storeDefaults);
    if (settings.DefaultBrowser() == "NS") LoadProfile(settings, registry, storeDefaults);
}

std::string ReadSetting(cRegistry& registry, const std::string& name, bool isText,
                        bool storeDefault) {
    AddressSetting(registry, regpath::kSettings, name);
    std::string text = registry.Value().ToText();
    if (!text.empty()) return text;
    if (storeDefault) CreateDefaultSetting(registry, regpath::kSettings, name, isText);
    return isText ? std::string() : std::string("False");
}

void CreateDefaultSetting(cRegistry& registry, const std::string& path, const std::string& name,
                          bool isText) {
    AddressSetting(registry, path, name);
    registry.SetValue(Variant::FromString(isText ? "" : "false"));
}

void SaveFlagSetting(cRegistry& registry, const std::string& name, std::int16_t state) {
    AddressSetting(registry, regpath::kSettings, name);
    registry.SetValue(Variant::FromBoolean(ToBoolean(state != 0)));
}

void SaveStringSetting(cRegistry& registry, const std::string& name, const std::string& text) {
    AddressSetting(registry, regpath::kSettings, name);
    registry.SetValue(Variant::FromString(text));
}
