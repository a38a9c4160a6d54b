#include "settings/cRegistry.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/AppError.h"
#include "platform/RegistryApi.h"
#include "platform/System.h"
#include "settings/RegKey.h"
#include "settings/RegistryData.h"

namespace {

// Query value, set value, create sub-key, enumerate sub-keys, notify, create link.
constexpr REGSAM kCreateAccess = 0x3F;
constexpr LONG kInvalidData = 13;

[[noreturn]] void Raise(long number, const std::string& description) {
    throw AppError(number, ProgramName() + ".cRegistry", description);
}

// Keeps the index-from-1 layout of the name lists: index 0 is an unused empty entry.
void AppendName(std::vector<std::string>& names, std::int32_t& count, std::string name) {
    if (names.empty()) names.emplace_back();
    names.push_back(std::move(name));
    ++count;
}

// Value names have at most 16,383 characters, each at most two bytes in an ANSI code page.
constexpr DWORD kValueNameBytes = 2 * 16383 + 1;
constexpr std::size_t kFirstDataSize = 4096;

// Buffers for reading a key's values one after another; the data buffer grows to the largest.
struct ValueBuffers {
    std::vector<char> name = std::vector<char>(kValueNameBytes);
    std::vector<std::uint8_t> data = std::vector<std::uint8_t>(kFirstDataSize);
};

// Reads the value at index into value, growing the data buffer until the data fits (it can
// grow between two calls). Answers the status of the last call.
LONG ReadValueAt(IRegistryApi& api, HKEY key, DWORD index, ValueBuffers& buffers,
                 RegistryValue& value) {
    for (;;) {
        DWORD nameLength = kValueNameBytes;
        DWORD size = static_cast<DWORD>(buffers.data.size());
        DWORD type = 0;
        LONG status = api.RegEnumValueDataA(key, index, buffers.name.data(), &nameLength, &type,
                                            buffers.data.data(), &size);
        if (status == ERROR_MORE_DATA && size > buffers.data.size()) {
            buffers.data.resize(size);
            continue;
        }
        if (status != ERROR_SUCCESS) return status;
        value.name.assign(buffers.name.data(), std::min(nameLength, kValueNameBytes));
        const auto first = buffers.data.begin();
        const std::vector<std::uint8_t> data(first,
                                             first + std::min<DWORD>(size, buffers.data.size()));
        value.data = DecodeValueData(static_cast<std::int32_t>(type), data);
        return status;
    }
}

}  // namespace

cRegistry::cRegistry() : api_(SystemRegistryApi()) {}

cRegistry::cRegistry(IRegistryApi& api) : api_(api) {}

Boolean cRegistry::KeyExists() {
    RegKey key(api_);
    return ToBoolean(key.Open(classKey_, sectionKey_, KEY_QUERY_VALUE) == ERROR_SUCCESS);
}

Boolean cRegistry::CreateKey() {
    RegKey key(api_);
    if (key.Create(classKey_, sectionKey_, kCreateAccess) != ERROR_SUCCESS) {
        Raise(err::kRegistry, "Failed to create registry Key: '" + sectionKey_);
    }
    return kTrue;
}

Boolean cRegistry::DeleteKey() {
    if (api_.RegDeleteKeyA(RootHandle(classKey_), sectionKey_.c_str()) != ERROR_SUCCESS) {
        Raise(err::kRegistry, "Failed to delete registry Key: '" + RootKeyText(classKey_) +
                                  "',Section: '" + sectionKey_);
    }
    return kTrue;
}

Boolean cRegistry::DeleteValue() {
    RegKey key(api_);
    std::string where = RootKeyText(classKey_) + "',Section: '" + sectionKey_;
    if (key.Open(classKey_, sectionKey_, kCreateAccess) != ERROR_SUCCESS) {
        Raise(err::kRegistry, "Failed to open key '" + where + "' for delete access");
    }
    LONG status = api_.RegDeleteValueA(key.Get(), valueKey_.c_str());
    key.Close();
    if (status != ERROR_SUCCESS) {
        Raise(err::kRegistry, "Failed to delete registry Key: '" + where + "',Key: '" + valueKey_);
    }
    return kTrue;
}

Variant cRegistry::Value() { return ReadValue(true); }

Variant cRegistry::RawValue() { return ReadValue(false); }

Variant cRegistry::ReadValue(bool expand) {
    RegKey key(api_);
    if (key.Open(classKey_, sectionKey_, KEY_QUERY_VALUE) != ERROR_SUCCESS) return default_;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = api_.RegQueryValueExA(key.Get(), valueKey_.c_str(), &type, nullptr, &size);
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return default_;
    valueType_ = static_cast<std::int32_t>(type);
    // The data is read into a buffer of exactly the reported size, whatever the type says, so
    // a DWORD of the wrong size or a zero-size string cannot overrun anything.
    std::vector<std::uint8_t> data(size);
    if (size > 0) {
        DWORD read = size;
        DWORD readType = 0;
        if (api_.RegQueryValueExA(key.Get(), valueKey_.c_str(), &readType, data.data(), &read) !=
            ERROR_SUCCESS) {
            return default_;
        }
        if (read < size) data.resize(read);
    }
    Variant result = DecodeValueData(valueType_, data);
    if (expand && valueType_ == regtype::kExpandSz) {
        return Variant::FromString(ExpandEnvironmentText(result.AsString()));
    }
    return result;
}

void cRegistry::SetValue(const Variant& value) {
    WriteValue(value, EncodeValue(valueType_, value));
}

void cRegistry::SetLiteralText(const std::string& text) {
    WriteValue(Variant::FromString(text), EncodeText(regtype::kSz, text));
}

std::string cRegistry::SetValueFailedText(const Variant& value) const {
    return "Failed to set registry value Key: '" + RootKeyText(classKey_) + "',Section: '" +
           sectionKey_ + "',Key: '" + valueKey_ + "' to value: '" + value.ToText() + "'";
}

void cRegistry::WriteValue(const Variant& value, const EncodedValue& encoded) {
    RegKey key(api_);
    if (key.Create(classKey_, sectionKey_, kCreateAccess) != ERROR_SUCCESS) {
        Raise(err::kRegistry, SetValueFailedText(value));
    }
    LONG status = ERROR_SUCCESS;
    switch (encoded.outcome) {
        case EncodedValue::Outcome::Write:
            status =
                api_.RegSetValueExA(key.Get(), valueKey_.c_str(), static_cast<DWORD>(encoded.type),
                                    encoded.data.data(), static_cast<DWORD>(encoded.data.size()));
            break;
        case EncodedValue::Outcome::Nothing:
            break;
        case EncodedValue::Outcome::InvalidType:
            status = kInvalidData;
            break;
        case EncodedValue::Outcome::NotBytes:
            key.Close();
            throw AppError(err::kRegistry, ProgramName(),
                           "Application-defined or object-defined error");
    }
    key.Close();
    if (status != ERROR_SUCCESS) Raise(regerr::kSetValue, SetValueFailedText(value));
    current_ = value;
}

Boolean cRegistry::EnumerateValues(std::vector<std::string>& keyNames, std::int32_t& keyCount) {
    keyCount = 0;
    keyNames.clear();
    RegKey key(api_);
    if (key.Open(classKey_, sectionKey_, KEY_QUERY_VALUE) != ERROR_SUCCESS) return kTrue;
    DWORD longest = 0;
    if (api_.RegQueryInfoKeyA(key.Get(), &longest) != ERROR_SUCCESS) return kTrue;
    std::string buffer;
    for (DWORD index = 0;; ++index) {
        buffer.assign(longest + 1, '\0');
        DWORD length = longest + 1;
        if (api_.RegEnumValueA(key.Get(), index, buffer.data(), &length) != ERROR_SUCCESS) break;
        buffer.resize(std::min<DWORD>(length, longest + 1));
        AppendName(keyNames, keyCount, buffer);
    }
    return kTrue;
}

std::vector<RegistryValue> cRegistry::RawValues() {
    std::vector<RegistryValue> values;
    RegKey key(api_);
    if (key.Open(classKey_, sectionKey_, KEY_QUERY_VALUE) != ERROR_SUCCESS) return values;
    ValueBuffers buffers;
    for (DWORD index = 0;; ++index) {
        RegistryValue value;
        const LONG status = ReadValueAt(api_, key.Get(), index, buffers, value);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) {
            Raise(regerr::kEnumerate, "Failed to enumerate registry values Key: '" +
                                          RootKeyText(classKey_) + "',Section: '" + sectionKey_ +
                                          "'");
        }
        values.push_back(std::move(value));
    }
    return values;
}

Boolean cRegistry::EnumerateSections(std::vector<std::string>& sections,
                                     std::int32_t& sectionCount) {
    constexpr DWORD kNameSize = 255;
    sectionCount = 0;
    sections.clear();
    RegKey key(api_);
    try {
        if (key.Open(classKey_, sectionKey_, KEY_ENUMERATE_SUB_KEYS) != ERROR_SUCCESS) {
            return kTrue;
        }
        char buffer[kNameSize];
        for (DWORD index = 0;; ++index) {
            std::memset(buffer, 0, sizeof buffer);
            if (api_.RegEnumKeyA(key.Get(), index, buffer, kNameSize) != ERROR_SUCCESS) break;
            AppendName(sections, sectionCount, std::string(buffer, strnlen(buffer, kNameSize)));
        }
    } catch (const AppError& e) {
        key.Close();
        Raise(regerr::kEnumerate, e.Description());
    } catch (const std::bad_alloc&) {
        key.Close();
        Raise(regerr::kEnumerate, "Out of memory");
    } catch (const std::exception& e) {
        key.Close();
        Raise(regerr::kEnumerate, e.what());
    }
    return kTrue;
}

std::string cRegistry::ExpandEnvironmentText(const std::string& text) {
    DWORD needed = api_.ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;  // the system could not expand it: keep it as stored
    std::string expanded(needed, '\0');
    DWORD written = api_.ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    expanded.resize(needed - 1);
    // The length asked for can exceed the text produced; nothing after a NUL belongs to it.
    expanded.resize(strnlen(expanded.c_str(), expanded.size()));
    return expanded;
}
