#include "settings/BrowserSettings.h"

#include <optional>

#include "settings/FlagText.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"

namespace {

constexpr bool kFirstUse[] = {true, true, true, false};

bool* PartField(BrowserParts& parts, int index) {
    bool* fields[] = {&parts.history, &parts.cookies, &parts.cache, &parts.sessions};
    return fields[index];
}

bool IsTrueText(const std::string& text) {
    std::optional<Boolean> value = FlagTextToBoolean(text);
    return value && *value != kFalse;
}

void WriteFlag(cRegistry& registry, const std::string& name, bool on) {
    AddressValue(registry, hkey::kCurrentUser, regpath::kBrowsers, name);
    registry.SetValueType(regtype::kSz);
    registry.SetValue(Variant::FromBoolean(on ? kTrue : kFalse));
}

}  // namespace

BrowserParts LoadBrowserParts(cRegistry& registry, bool storeFirstUse) {
    BrowserParts parts;
    for (int i = 0; i < 4; ++i) {
        AddressValue(registry, hkey::kCurrentUser, regpath::kBrowsers,
                     regpath::kBrowserPartValues[i]);
        registry.SetDefault(Variant());
        std::string text = registry.Value().ToText();
        if (text.empty()) {
            if (storeFirstUse) WriteFlag(registry, regpath::kBrowserPartValues[i], kFirstUse[i]);
            *PartField(parts, i) = kFirstUse[i];
        } else {
            *PartField(parts, i) = IsTrueText(text);
        }
    }
    return parts;
}

void SaveBrowserPart(cRegistry& registry, const std::string& part, bool on) {
    WriteFlag(registry, part, on);
}

std::string ProfileSettingName(const std::string& code, const std::string& folder) {
    return code + "|" + folder;
}

std::set<std::string> LoadTickedProfiles(cRegistry& registry) {
    AddressKey(registry, hkey::kCurrentUser, regpath::kBrowsers);
    std::set<std::string> ticked;
    for (const RegistryValue& value : registry.RawValues()) {
        if (value.name.find('|') != std::string::npos && IsTrueText(value.data.ToText())) {
            ticked.insert(value.name);
        }
    }
    return ticked;
}

void SaveProfileTick(cRegistry& registry, const std::string& code, const std::string& folder,
                     bool on) {
    WriteFlag(registry, ProfileSettingName(code, folder), on);
}

std::vector<std::string> LoadSites(cRegistry& registry) {
    AddressKey(registry, hkey::kCurrentUser, regpath::kSites);
    std::vector<std::string> sites;
    for (const RegistryValue& value : registry.RawValues()) sites.push_back(value.data.ToText());
    return sites;
}

void SaveSites(cRegistry& registry, const std::vector<std::string>& sites) {
    AddressKey(registry, hkey::kCurrentUser, regpath::kSites);
    if (registry.KeyExists() != kFalse) registry.DeleteKey();
    registry.CreateKey();
    for (std::size_t i = 0; i < sites.size(); ++i) {
        AddressValue(registry, hkey::kCurrentUser, regpath::kSites,
                     regpath::kSiteValuePrefix + std::to_string(i));
        registry.SetValueType(regtype::kSz);
        registry.SetLiteralText(sites[i]);
    }
}
