// The password is stored and compared exactly as typed. It is written as REG_SZ even when it
// holds two "%" signs, so it is never expanded on the way back. A password stored as
// REG_EXPAND_SZ by an earlier version is accepted both as typed and in its expanded form (the
// only form the earlier version accepted).
#include "settings/Password.h"

#include "settings/SettingsStore.h"
#include "settings/cRegistry.h"

namespace {

void AddressPassword(cRegistry& registry) {
    registry.SetClassKey(hkey::kCurrentUser);
    registry.SetSectionKey(kSettingsKey);
    registry.SetValueKey("BrisvanePassword");
    registry.SetValueType(regtype::kSz);
}

}  // namespace

void SavePassword(cRegistry& registry, const std::string& text) {
    AddressPassword(registry);
    registry.SetLiteralText(text);
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
    if (registry.RawValue().ToText() == typed) return kTrue;
    if (registry.ValueType() != regtype::kExpandSz) return kFalse;
    return ToBoolean(registry.Value().ToText() == typed);
}
