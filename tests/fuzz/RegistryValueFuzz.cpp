// Registry value decoding: the data of a value of any type and size, as another program or the
// user may have stored it, becomes a Variant without fault, and written back as the registry
// access object writes it, it reads back as the same Variant.
// Input: one byte for the stored type (as a signed number, so unknown types come too), one for
// the ValueType asked for when writing, then the stored data.
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "settings/RegistryData.h"
#include "settings/cRegistry.h"

namespace {

bool IsStringType(std::int32_t type) {
    return type == regtype::kSz || type == regtype::kExpandSz || type == regtype::kMultiSz;
}

void CheckDecoded(std::int32_t type, const std::vector<std::uint8_t>& data, const Variant& value) {
    if (IsStringType(type)) {
        Require(value.GetKind() == Variant::Kind::String, "a string type reads as a String");
        const std::string& text = value.AsString();
        Require(text.size() + (data.empty() ? 0 : 1) == data.size(), "only the terminator goes");
        Require(text == std::string(data.begin(), data.begin() + text.size()),
                "the text is the data");
    } else if (type == regtype::kDword || type == regtype::kDwordBigEndian) {
        Require(value.GetKind() == Variant::Kind::Long, "a DWORD reads as a Long");
    } else {
        Require(value.GetKind() == Variant::Kind::Bytes && value.AsBytes() == data,
                "other types read as their bytes");
    }
    if (value.GetKind() != Variant::Kind::Long) {
        Require(value.ToText().size() == data.size() - (IsStringType(type) && !data.empty()),
                "a text or byte array shows every byte it holds");
    }
}

// Writing the value back as its own kind of value gives data that reads back the same.
void CheckRoundTrip(std::int32_t type, const Variant& value) {
    std::int32_t asked = IsStringType(type)                       ? regtype::kSz
                         : value.GetKind() == Variant::Kind::Long ? regtype::kDword
                                                                  : regtype::kBinary;
    EncodedValue written = EncodeValue(asked, value);
    Require(written.outcome == EncodedValue::Outcome::Write, "a value read can be written back");
    if (IsStringType(type)) {
        Require(written.type == TextValueType(value.AsString()), "the text picks its string type");
    }
    Require(DecodeValueData(written.type, written.data) == value, "written back, reads the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 2) return 0;
    const std::int32_t type = static_cast<std::int8_t>(bytes[0]);
    const std::int32_t asked = static_cast<std::int8_t>(bytes[1]);
    const std::vector<std::uint8_t> data(bytes + 2, bytes + size);

    const Variant value = DecodeValueData(type, data);
    CheckDecoded(type, data, value);
    CheckRoundTrip(type, value);

    // Any ValueType asked for with any value: an outcome, never a fault.
    EncodedValue any = EncodeValue(asked, value);
    if (any.outcome != EncodedValue::Outcome::Write) {
        Require(any.data.empty(), "nothing is written unless the outcome is Write");
    }
    const std::int32_t dword = value.GetKind() == Variant::Kind::Long ? value.AsLong() : 0;
    Require(ReverseByteOrder(ReverseByteOrder(dword)) == dword, "byte order reversed twice");
    return 0;
}
