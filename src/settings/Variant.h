// The tagged value in which registry values travel: Empty, String, 16-bit integer, 32-bit
// integer, Boolean or byte array, with the text conversions the program relies on.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "settings/Boolean.h"

class Variant {
  public:
    enum class Kind { Empty, String, Integer, Long, Boolean, Bytes };

    Variant() = default;
    static Variant FromString(std::string text) { return Variant(std::move(text)); }
    static Variant FromInteger(std::int16_t n) { return Variant(n); }
    static Variant FromLong(std::int32_t n) { return Variant(n); }
    static Variant FromBoolean(Boolean b) { return Variant(BoolTag{b}); }
    static Variant FromBytes(std::vector<std::uint8_t> bytes) { return Variant(std::move(bytes)); }

    Kind GetKind() const { return static_cast<Kind>(value_.index()); }
    bool IsEmpty() const { return GetKind() == Kind::Empty; }

    // "" for Empty, "True"/"False" for a Boolean, decimal digits (with "-") for integers,
    // the text itself for a String; a byte array gives its bytes as characters.
    std::string ToText() const;

    const std::string& AsString() const { return std::get<std::string>(value_); }
    std::int16_t AsInteger() const { return std::get<std::int16_t>(value_); }
    std::int32_t AsLong() const { return std::get<std::int32_t>(value_); }
    Boolean AsBoolean() const { return std::get<BoolTag>(value_).value; }
    const std::vector<std::uint8_t>& AsBytes() const {
        return std::get<std::vector<std::uint8_t>>(value_);
    }

    bool operator==(const Variant& other) const = default;

  private:
    struct BoolTag {
        Boolean value;
        bool operator==(const BoolTag&) const = default;
    };
    template <typename T>
    explicit Variant(T v) : value_(std::move(v)) {}

    std::variant<std::monostate, std::string, std::int16_t, std::int32_t, BoolTag,
                 std::vector<std::uint8_t>>
        value_;
};
