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
