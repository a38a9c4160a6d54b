#include "cookies/KeepList.h"

#include "browser/ProfileFolder.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

void Address(cRegistry& registry, const std::string& section, const std::string& value = "") {
    AddressValue(registry, hkey::kCurrentUser, section, value);
    registry.SetDefault(Variant());
}

std::string KeyPath(Boolean netscape) { return regpath::kSettings + KeepListSuffix(netscape); }

}  // namespace

std::string KeepListSuffix(Boolean netscape) {
    return netscape != kFalse ? regpath::kNSCookiesSuffix : regpath::kIECookiesSuffix;
}

std::string ReadIECookieFolder(cRegistry& registry) {
    Address(registry, regpath::kShellFolders, regpath::kCookiesValue);
    return registry.Value().ToText();
}

std::string GetCookieFolder(cRegistry& registry, const cSettings& settings) {
    if (settings.DefaultBrowser() == "NS") return GetNSProfileFolder(settings);
    return ReadIECookieFolder(registry);
}

void ReadKeepListNames(cRegistry& registry, std::vector<std::string>& names, std::int32_t& count,
                       Boolean netscape) {
    Address(registry, KeyPath(netscape));
    registry.EnumerateValues(names, count);
    if (count == 0) {
        Address(registry, KeyPath(netscape));
        registry.CreateKey();
    }
}

std::string ReadKeepListEntry(cRegistry& registry, const std::string& valueName, Boolean netscape) {
    Address(registry, KeyPath(netscape), valueName);
    // The name exactly as stored: a "%" in a cookie name is never expanded.
    return registry.RawValue().ToText();
}

void WriteKeepListEntry(cRegistry& registry, const std::string& name, std::int16_t position,
                        const std::string& suffix) {
    Address(registry, regpath::kSettings + suffix,
            regpath::kCookieValuePrefix + std::to_string(position));
    registry.SetValueType(regtype::kSz);
    // Always REG_SZ, even for a name holding two "%" signs, so that it reads back unchanged.
    registry.SetLiteralText(name);
}

void DeleteKeepListKey(cRegistry& registry, const std::string& keyPath) {
    Address(registry, keyPath);
    registry.DeleteKey();
}

void CreateKeepListKey(cRegistry& registry, const std::string& suffix) {
    Address(registry, regpath::kSettings + suffix);
    registry.CreateKey();
}

std::vector<std::string> ReadKeepList(cRegistry& registry, Boolean netscape, bool create) {
    // One pass over the key gives what ReadKeepListNames and ReadKeepListEntry give for each
    // name in turn, without opening the key again for every entry.
    Address(registry, KeyPath(netscape));
    const std::vector<RegistryValue> values = registry.RawValues();
    if (values.empty() && create) registry.CreateKey();  // as ReadKeepListNames leaves it
    std::vector<std::string> list;
    list.reserve(values.size());
    for (const RegistryValue& value : values) list.push_back(value.data.ToText());
    return list;
}

KeepSet ReadKeepSet(cRegistry& registry, Boolean netscape, bool create) {
    std::vector<std::string> list = ReadKeepList(registry, netscape, create);
    return KeepSet(std::make_move_iterator(list.begin()), std::make_move_iterator(list.end()));
}

void SaveKeepList(cRegistry& registry, Boolean netscape, const std::vector<std::string>& names) {
    const std::string suffix = KeepListSuffix(netscape);
    const std::string path = regpath::kSettings + suffix;
    // A key removed since the list was read has nothing to delete.
    Address(registry, path);
    if (registry.KeyExists() != kFalse) DeleteKeepListKey(registry, path);
    if (names.empty()) {
        CreateKeepListKey(registry, suffix);
        return;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        WriteKeepListEntry(registry, names[i], static_cast<std::int16_t>(i), suffix);
    }
}
