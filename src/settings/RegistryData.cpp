#include "settings/RegistryData.h"

#include <algorithm>

#include "settings/cRegistry.h"

std::int32_t TextValueType(const std::string& text) {
    std::size_t first = text.find('%');
    if (first == std::string::npos) return regtype::kSz;
    return text.find('%', first + 2) != std::string::npos ? regtype::kExpandSz : regtype::kSz;
}

std::int32_t ReverseByteOrder(std::int32_t x) {
    auto u = static_cast<std::uint32_t>(x);
    u = (u >> 24) | ((u >> 8) & 0x0000FF00u) | ((u << 8) & 0x00FF0000u) | (u << 24);
    return static_cast<std::int32_t>(u);
}

std::string RootKeyText(std::int32_t classKey) { return std::to_string(classKey); }

namespace {

std::int32_t LittleEndianDword(const std::vector<std::uint8_t>& data) {
    std::uint32_t u = 0;
    std::size_t n = std::min<std::size_t>(data.size(), 4);
    for (std::size_t i = 0; i < n; ++i) u |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

std::vector<std::uint8_t> DwordBytes(std::int32_t n) {
    auto u = static_cast<std::uint32_t>(n);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

}  // namespace

Variant DecodeValueData(std::int32_t type, const std::vector<std::uint8_t>& data) {
    switch (type) {
        case regtype::kSz:
        case regtype::kExpandSz:
        case regtype::kMultiSz:
            if (data.empty()) return Variant::FromString(std::string());
            return Variant::FromString(std::string(data.begin(), data.end() - 1));
        case regtype::kDword:
            return Variant::FromLong(LittleEndianDword(data));
        case regtype::kDwordBigEndian:
            return Variant::FromLong(ReverseByteOrder(LittleEndianDword(data)));
        default:
            return Variant::FromBytes(data);
    }
}

EncodedValue EncodeText(std::int32_t type, const std::string& text) {
    EncodedValue encoded{EncodedValue::Outcome::Write, type, {}};
    encoded.data.assign(text.begin(), text.end());
    encoded.data.push_back(0);
    return encoded;
}

EncodedValue EncodeValue(std::int32_t valueType, const Variant& value) {
    using Outcome = EncodedValue::Outcome;
    switch (valueType) {
        case regtype::kSz:
        case regtype::kExpandSz: {
            std::string text = value.ToText();
            return EncodeText(TextValueType(text), text);
        }
        case regtype::kBinary:
            if (value.GetKind() != Variant::Kind::Bytes) return {Outcome::NotBytes, 0, {}};
            return {Outcome::Write, regtype::kBinary, value.AsBytes()};
        case regtype::kDword:
        case regtype::kDwordBigEndian:
            if (value.GetKind() == Variant::Kind::Integer) {
                return {Outcome::Write, regtype::kDword, DwordBytes(value.AsInteger())};
            }
            if (value.GetKind() == Variant::Kind::Long) {
                return {Outcome::Write, regtype::kDword, DwordBytes(value.AsLong())};
            }
            return {Outcome::Nothing, 0, {}};
        default:
            return {Outcome::InvalidType, 0, {}};
    }
}
