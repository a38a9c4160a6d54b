// Registry access object: the only code that talks to the registry. An instance addresses one
// value by root key (ClassKey), sub-key path (SectionKey) and value name (ValueKey), reads and
// writes it through Value with the type conversions of the program, and creates, deletes and
// lists keys and values. It keeps no handle open between calls. Failures raise AppError.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/Boolean.h"
#include "settings/Variant.h"

class IRegistryApi;
struct EncodedValue;

// One value of a key with its data, as RawValue reads it (REG_EXPAND_SZ unexpanded).
struct RegistryValue {
    std::string name;
    Variant data;
};

namespace hkey {
inline constexpr std::int32_t kClassesRoot = static_cast<std::int32_t>(0x80000000u);
inline constexpr std::int32_t kCurrentUser = static_cast<std::int32_t>(0x80000001u);
inline constexpr std::int32_t kLocalMachine = static_cast<std::int32_t>(0x80000002u);
}  // namespace hkey

namespace regtype {
inline constexpr std::int32_t kSz = 1;
inline constexpr std::int32_t kExpandSz = 2;
inline constexpr std::int32_t kBinary = 3;
inline constexpr std::int32_t kDword = 4;
inline constexpr std::int32_t kDwordBigEndian = 5;
inline constexpr std::int32_t kLink = 6;
inline constexpr std::int32_t kMultiSz = 7;
}  // namespace regtype

class cRegistry {
  public:
    cRegistry();  // uses the real registry API
    explicit cRegistry(IRegistryApi& api);

    Boolean KeyExists();
    Boolean CreateKey();
    Boolean DeleteKey();
    Boolean DeleteValue();
    Variant Value();
    void SetValue(const Variant& value);
    // Value without expanding a REG_EXPAND_SZ value's %NAME% references.
    Variant RawValue();
    // Writes the text as REG_SZ exactly as given, even when it holds two "%" signs; otherwise
    // behaves as SetValue (errors, current value). ValueType is not consulted.
    void SetLiteralText(const std::string& text);
    // Names at indices 1..count; index 0 is an unused empty entry, and no names leave the list
    // empty. An unopenable key gives True and no names.
    Boolean EnumerateValues(std::vector<std::string>& keyNames, std::int32_t& keyCount);
    // Every value of the section key with its data, in the order EnumerateValues lists them,
    // read in one pass over one open key. An unopenable key has no values; a value that cannot
    // be read raises the enumeration error rather than cutting the list short.
    std::vector<RegistryValue> RawValues();
    Boolean EnumerateSections(std::vector<std::string>& sections, std::int32_t& sectionCount);
    // Registers a file type for an executable under HKEY_CLASSES_ROOT and
    // HKEY_LOCAL_MACHINE\SOFTWARE\Classes. A negative icon index writes no DefaultIcon key.
    void CreateEXEAssociation(const std::string& exePath, const std::string& className,
                              const std::string& classDescription, const std::string& association,
                              const std::string& openMenuText = "", Boolean supportPrint = kFalse,
                              const std::string& printMenuText = "", Boolean supportNew = kFalse,
                              const std::string& newMenuText = "", Boolean supportInstall = kFalse,
                              const std::string& installMenuText = "",
                              std::int32_t defaultIconIndex = -1);
    // Adds verbs to a registered class; items are taken in threes: verb, menu text, command.
    void CreateAdditionalEXEAssociations(const std::string& className,
                                         const std::vector<std::string>& items);

    // The registry functions this object calls.
    IRegistryApi& Api() const { return api_; }

    std::int32_t ValueType() const { return valueType_; }
    void SetValueType(std::int32_t type) { valueType_ = type; }
    std::int32_t ClassKey() const { return classKey_; }
    void SetClassKey(std::int32_t key) { classKey_ = key; }
    const std::string& SectionKey() const { return sectionKey_; }
    void SetSectionKey(const std::string& section) { sectionKey_ = section; }
    const std::string& ValueKey() const { return valueKey_; }
    void SetValueKey(const std::string& name) { valueKey_ = name; }
    const Variant& Default() const { return default_; }
    void SetDefault(const Variant& value) { default_ = value; }
    // The last value written successfully through this object.
    const Variant& CurrentValue() const { return current_; }

  private:
    Variant ReadValue(bool expand);
    void WriteValue(const Variant& value, const EncodedValue& encoded);
    std::string SetValueFailedText(const Variant& value) const;
    void WriteClassesValue(const std::string& text);
    std::string ExpandEnvironmentText(const std::string& text);

    IRegistryApi& api_;
    std::int32_t classKey_ = 0;
    std::string sectionKey_;
    std::string valueKey_;
    Variant current_;
    Variant default_;
    std::int32_t valueType_ = 0;
};
