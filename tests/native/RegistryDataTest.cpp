#include <gtest/gtest.h>

#include "settings/RegistryData.h"
#include "settings/cRegistry.h"

using Bytes = std::vector<std::uint8_t>;

TEST(RegistryData, TextNeedsACharacterBetweenTwoPercentSignsToBeExpandable) {
    struct Case {
        const char* text;
        std::int32_t type;
    };
    const Case cases[] = {
        {"", regtype::kSz},
        {"100%", regtype::kSz},
        {"%%", regtype::kSz},
        {"a%%b", regtype::kSz},
        {"%a%", regtype::kExpandSz},
        {"%TEMP%\\x", regtype::kExpandSz},
        {"%%%", regtype::kExpandSz},  // the third sign is two after the first
        {"x%%y%", regtype::kExpandSz},
        {"%", regtype::kSz},
    };
    for (const Case& c : cases) EXPECT_EQ(TextValueType(c.text), c.type) << c.text;
}

TEST(RegistryData, RootKeysShowAsSignedDecimals) {
    EXPECT_EQ(RootKeyText(hkey::kClassesRoot), "-2147483648");
    EXPECT_EQ(RootKeyText(hkey::kCurrentUser), "-2147483647");
    EXPECT_EQ(RootKeyText(hkey::kLocalMachine), "-2147483646");
}

TEST(RegistryData, ReverseByteOrderSwapsAllFourBytes) {
    EXPECT_EQ(ReverseByteOrder(0x01020304), 0x04030201);
    EXPECT_EQ(ReverseByteOrder(0x02010000), 258);
    EXPECT_EQ(ReverseByteOrder(static_cast<std::int32_t>(0x800000FFu)),
              static_cast<std::int32_t>(0xFF000080u));
}

TEST(RegistryData, DecodingNeverReadsPastTheData) {
    struct Case {
        std::int32_t type;
        Bytes data;
        Variant expected;
    };
    const Case cases[] = {
        {regtype::kSz, {'a', 'b', 'c', 0}, Variant::FromString("abc")},
        {regtype::kSz, {}, Variant::FromString("")},
        {regtype::kSz, {0}, Variant::FromString("")},
        {regtype::kExpandSz, {}, Variant::FromString("")},
        {regtype::kMultiSz, {'a', 0, 'b', 0, 0}, Variant::FromString(std::string("a\0b\0", 4))},
        {regtype::kDword, {0x02, 0x01, 0, 0}, Variant::FromLong(258)},
        {regtype::kDword, {0xFF, 0xFF, 0xFF, 0xFF}, Variant::FromLong(-1)},
        {regtype::kDword, {}, Variant::FromLong(0)},
        {regtype::kDword, {0x05}, Variant::FromLong(5)},
        {regtype::kDword, {1, 0, 0, 0, 7, 7}, Variant::FromLong(1)},
        {regtype::kDwordBigEndian, {0, 0, 0x01, 0x02}, Variant::FromLong(258)},
        {regtype::kDwordBigEndian, {0x01}, Variant::FromLong(0x01000000)},
        {regtype::kBinary, {}, Variant::FromBytes({})},
        {regtype::kBinary, {0, 1}, Variant::FromBytes({0, 1})},
        {0, {9}, Variant::FromBytes({9})},
        {regtype::kLink, {1, 2}, Variant::FromBytes({1, 2})},
        {11, {3}, Variant::FromBytes({3})},
    };
    for (const Case& c : cases) {
        // A heap copy of exactly the data's size lets the sanitizer catch any overrun.
        EXPECT_EQ(DecodeValueData(c.type, Bytes(c.data)), c.expected)
            << "type " << c.type << ", " << c.data.size() << " bytes";
    }
}

TEST(RegistryData, EncodingFollowsTheValueType) {
    using Outcome = EncodedValue::Outcome;
    struct Case {
        std::int32_t valueType;
        Variant value;
        Outcome outcome;
        std::int32_t type;
        Bytes data;
    };
    const Case cases[] = {
        {regtype::kSz, Variant::FromString("ab"), Outcome::Write, regtype::kSz, {'a', 'b', 0}},
        {regtype::kSz, Variant(), Outcome::Write, regtype::kSz, {0}},
        {regtype::kExpandSz,
         Variant::FromString("no signs"),
         Outcome::Write,
         regtype::kSz,
         {'n', 'o', ' ', 's', 'i', 'g', 'n', 's', 0}},
        {regtype::kSz,
         Variant::FromString("%a%"),
         Outcome::Write,
         regtype::kExpandSz,
         {'%', 'a', '%', 0}},
        {regtype::kSz,
         Variant::FromBoolean(kTrue),
         Outcome::Write,
         regtype::kSz,
         {'T', 'r', 'u', 'e', 0}},
        {regtype::kSz, Variant::FromInteger(-3), Outcome::Write, regtype::kSz, {'-', '3', 0}},
        {regtype::kBinary, Variant::FromBytes({1, 2}), Outcome::Write, regtype::kBinary, {1, 2}},
        {regtype::kBinary, Variant::FromString("x"), Outcome::NotBytes, 0, {}},
        {regtype::kDword,
         Variant::FromLong(0x01020304),
         Outcome::Write,
         regtype::kDword,
         {4, 3, 2, 1}},
        {regtype::kDwordBigEndian,
         Variant::FromInteger(-1),
         Outcome::Write,
         regtype::kDword,
         {0xFF, 0xFF, 0xFF, 0xFF}},
        {regtype::kDword, Variant::FromString("1"), Outcome::Nothing, 0, {}},
        {regtype::kDword, Variant::FromBoolean(kTrue), Outcome::Nothing, 0, {}},
        {0, Variant::FromString("x"), Outcome::InvalidType, 0, {}},
        {regtype::kMultiSz, Variant::FromString("x"), Outcome::InvalidType, 0, {}},
    };
    for (const Case& c : cases) {
        EncodedValue encoded = EncodeValue(c.valueType, c.value);
        EXPECT_EQ(encoded.outcome, c.outcome) << c.valueType << " " << c.value.ToText();
        if (c.outcome != Outcome::Write) continue;
        EXPECT_EQ(encoded.type, c.type) << c.value.ToText();
        EXPECT_EQ(encoded.data, c.data) << c.value.ToText();
    }
}

TEST(RegistryData, LiteralTextKeepsItsPercentSigns) {
    EncodedValue encoded = EncodeText(regtype::kSz, "%TEMP%");
    EXPECT_EQ(encoded.type, regtype::kSz);
    EXPECT_EQ(encoded.data, (Bytes{'%', 'T', 'E', 'M', 'P', '%', 0}));
}
