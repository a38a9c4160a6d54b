// The conversions of the registry access object that need no registry: which string type a
// text is stored as, how data read from the registry becomes a Variant, how a Variant becomes
// the data written for a value type, and how root keys appear in messages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/Variant.h"

// Error numbers of the registry access object beyond 26001, as signed 32-bit numbers.
namespace regerr {
inline constexpr long kSetValue = -2147194455;          // 0x800469A9
inline constexpr long kEnumerate = -2147194454;         // 0x800469AA
inline constexpr long kBadParameterList = -2147194452;  // 0x800469AC
inline constexpr long kClassNotDefined = -2147194451;   // 0x800469AD
}  // namespace regerr

// REG_EXPAND_SZ when the text holds a "%" and another "%" at least two positions after the
// first one (a character between them), REG_SZ otherwise.
std::int32_t TextValueType(const std::string& text);

// The four bytes of x in reverse order.
std::int32_t ReverseByteOrder(std::int32_t x);

// A root key as messages show it: signed decimal, HKEY_CURRENT_USER is "-2147483647".
std::string RootKeyText(std::int32_t classKey);

// The Variant for data read from a value of the given type. Strings drop their last byte (the
// terminator); a zero-size string is the empty String. A DWORD takes at most its first four
// bytes, zero-filled when fewer are stored. REG_EXPAND_SZ comes back unexpanded. Other types
// give the bytes as a byte array of the stored size.
Variant DecodeValueData(std::int32_t type, const std::vector<std::uint8_t>& data);

// What writing a Variant with a given ValueType does.
struct EncodedValue {
    enum class Outcome {
        Write,        // write type and data
        Nothing,      // write nothing; not an error
        InvalidType,  // write nothing; the outcome is the platform's code 13
        NotBytes,     // REG_BINARY asked for a value that is not a byte array
    };
    Outcome outcome = Outcome::Nothing;
    std::int32_t type = 0;
    std::vector<std::uint8_t> data;
};

EncodedValue EncodeValue(std::int32_t valueType, const Variant& value);

// The text as a string value of the given type: its bytes followed by one zero byte.
EncodedValue EncodeText(std::int32_t type, const std::string& text);
