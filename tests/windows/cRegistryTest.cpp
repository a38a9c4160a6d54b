// Contract of the registry access object against Wine's real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FailingRegistryApi.h"
#include "RegistrySandbox.h"
#include "VariantPrinter.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/RegistryData.h"
#include "settings/cRegistry.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Address(cRegistry& registry, const std::string& section, const std::string& name = "") {
    registry.SetClassKey(hkey::kCurrentUser);
    registry.SetSectionKey(section);
    registry.SetValueKey(name);
}

// Runs the call, which must raise; answers what it raised.
AppError Raised(const std::function<void()>& call) {
    try {
        call();
    } catch (const AppError& e) {
        return e;
    }
    ADD_FAILURE() << "nothing was raised";
    return AppError(0, "", "");
}

std::string Source() { return ProgramName() + ".cRegistry"; }

const std::string kHkcu = "-2147483647";

}  // namespace

TEST(cRegistry, ReadingAMissingValueOrKeyGivesDefaultAndKeepsValueType) {
    RegistryTestKey key("Missing");
    CreateRawKey(key.Path());
    struct Case {
        std::string section;
        std::string name;
    };
    const Case cases[] = {{key.Path(), "absent"},
                          {key.Path() + "\\NoSuchKey", "absent"},
                          {key.Path() + "\\NoSuchKey", ""}};
    for (const Case& c : cases) {
        cRegistry registry;
        Address(registry, c.section, c.name);
        EXPECT_TRUE(registry.Value().IsEmpty()) << c.section;
        registry.SetDefault(Variant::FromString("fallback"));
        registry.SetValueType(regtype::kDword);
        EXPECT_EQ(registry.Value(), Variant::FromString("fallback")) << c.section;
        EXPECT_EQ(registry.ValueType(), regtype::kDword) << c.section;
    }
}

TEST(cRegistry, ReadsEachStoredTypeAsItsVariant) {
    RegistryTestKey key("Read");
    SetEnvironmentVariableA("BRISVANE_REG_TEST", "expanded");
    struct Case {
        const char* name;
        DWORD type;
        Bytes stored;
        Variant expected;
    };
    const Case cases[] = {
        {"sz", REG_SZ, SzBytes("abc"), Variant::FromString("abc")},
        {"multi", REG_MULTI_SZ, {'a', 0, 'b', 0, 0}, Variant::FromString(std::string("a\0b\0", 4))},
        {"expand", REG_EXPAND_SZ, SzBytes("%BRISVANE_REG_TEST%\\y"),
         Variant::FromString("expanded\\y")},
        {"unknownName", REG_EXPAND_SZ, SzBytes("%BRISVANE_NO_SUCH%"),
         Variant::FromString("%BRISVANE_NO_SUCH%")},
        {"dword", REG_DWORD, {0x02, 0x01, 0, 0}, Variant::FromLong(258)},
        {"bigEndian", REG_DWORD_BIG_ENDIAN, {0, 0, 0x01, 0x02}, Variant::FromLong(258)},
        {"binary", REG_BINARY, {1, 0, 255}, Variant::FromBytes({1, 0, 255})},
        {"none", REG_NONE, {7}, Variant::FromBytes({7})},
        // Sizes the type does not foresee: nothing is overrun and nothing is raised.
        {"emptySz", REG_SZ, {}, Variant::FromString("")},
        {"emptyExpand", REG_EXPAND_SZ, {}, Variant::FromString("")},
        {"shortDword", REG_DWORD, {0x34, 0x12}, Variant::FromLong(0x1234)},
        {"longDword", REG_DWORD, {1, 0, 0, 0, 9, 9, 9, 9}, Variant::FromLong(1)},
        {"emptyDword", REG_DWORD, {}, Variant::FromLong(0)},
    };
    for (const Case& c : cases) WriteRaw(key.Path(), c.name, c.type, c.stored);
    for (const Case& c : cases) {
        cRegistry registry;
        Address(registry, key.Path(), c.name);
        EXPECT_EQ(registry.Value(), c.expected) << c.name;
        EXPECT_EQ(registry.ValueType(), static_cast<std::int32_t>(c.type)) << c.name;
    }
    cRegistry registry;
    Address(registry, key.Path(), "sz");
    EXPECT_EQ(registry.Value().AsString().size(), 3u);
    Address(registry, key.Path(), "expand");
    EXPECT_EQ(registry.RawValue(), Variant::FromString("%BRISVANE_REG_TEST%\\y"));
}

TEST(cRegistry, TextIsStoredAsExpandSzOnlyWithACharacterBetweenTwoPercentSigns) {
    RegistryTestKey key("WriteText");
    struct Case {
        const char* text;
        DWORD type;
    };
    const Case cases[] = {{"100%", REG_SZ},       {"%TEMP%\\x", REG_EXPAND_SZ}, {"%%", REG_SZ},
                          {"%a%", REG_EXPAND_SZ}, {"%%%", REG_EXPAND_SZ},       {"", REG_SZ},
                          {"plain text", REG_SZ}};
    for (std::int32_t valueType : {regtype::kSz, regtype::kExpandSz}) {
        for (const Case& c : cases) {
            cRegistry registry;
            Address(registry, key.Path(), "v");
            registry.SetValueType(valueType);
            registry.SetValue(Variant::FromString(c.text));
            RawValue stored = ReadRaw(key.Path(), "v");
            EXPECT_EQ(stored.type, c.type) << c.text;
            EXPECT_EQ(stored.data, SzBytes(c.text)) << c.text;
            EXPECT_EQ(registry.CurrentValue(), Variant::FromString(c.text));
        }
    }
}

TEST(cRegistry, WritesEachKindAsTheValueTypeAsks) {
    RegistryTestKey key("WriteKinds");
    struct Case {
        const char* name;
        std::int32_t valueType;
        Variant value;
        DWORD type;
        Bytes stored;
    };
    const Case cases[] = {
        {"true", regtype::kSz, Variant::FromBoolean(kTrue), REG_SZ, SzBytes("True")},
        {"false", regtype::kSz, Variant::FromBoolean(kFalse), REG_SZ, SzBytes("False")},
        {"long", regtype::kSz, Variant::FromLong(-12), REG_SZ, SzBytes("-12")},
        {"int16",
         regtype::kDwordBigEndian,
         Variant::FromInteger(-2),
         REG_DWORD,
         {0xFE, 0xFF, 0xFF, 0xFF}},
        {"int32", regtype::kDword, Variant::FromLong(258), REG_DWORD, {0x02, 0x01, 0, 0}},
        {"int32be",
         regtype::kDwordBigEndian,
         Variant::FromLong(258),
         REG_DWORD,
         {0x02, 0x01, 0, 0}},
        {"binary", regtype::kBinary, Variant::FromBytes({9, 0, 8}), REG_BINARY, {9, 0, 8}},
    };
    for (const Case& c : cases) {
        cRegistry registry;
        Address(registry, key.Path(), c.name);
        registry.SetValueType(c.valueType);
        registry.SetValue(c.value);
        RawValue stored = ReadRaw(key.Path(), c.name);
        EXPECT_EQ(stored.type, c.type) << c.name;
        EXPECT_EQ(stored.data, c.stored) << c.name;
        EXPECT_EQ(registry.CurrentValue(), c.value) << c.name;
    }
}

TEST(cRegistry, ANonIntegerAsDwordWritesNothingAndRaisesNothing) {
    RegistryTestKey key("WriteNothing");
    for (const Variant& value : {Variant::FromString("12"), Variant::FromBoolean(kTrue)}) {
        cRegistry registry;
        Address(registry, key.Path(), "v");
        registry.SetValueType(regtype::kDword);
        EXPECT_NO_THROW(registry.SetValue(value));
        EXPECT_FALSE(ReadRaw(key.Path(), "v").exists);
        EXPECT_EQ(registry.CurrentValue(), value);
    }
}

TEST(cRegistry, AnUnknownValueTypeRaisesTheSetValueErrorAndKeepsTheCurrentValue) {
    RegistryTestKey key("WriteBadType");
    for (std::int32_t valueType : {0, regtype::kLink, regtype::kMultiSz, 11}) {
        cRegistry registry;
        Address(registry, key.Path(), "v");
        registry.SetValueType(regtype::kSz);
        registry.SetValue(Variant::FromString("before"));
        registry.SetValueType(valueType);
        AppError e = Raised([&] { registry.SetValue(Variant::FromLong(5)); });
        EXPECT_EQ(e.Number(), regerr::kSetValue) << valueType;
        EXPECT_EQ(e.Source(), Source());
        EXPECT_EQ(e.Description(), "Failed to set registry value Key: '" + kHkcu + "',Section: '" +
                                       key.Path() + "',Key: 'v' to value: '5'");
        EXPECT_EQ(registry.CurrentValue(), Variant::FromString("before"));
        EXPECT_EQ(ReadRaw(key.Path(), "v").data, SzBytes("before"));
    }
}

TEST(cRegistry, BinaryFromANonByteArrayRaises26001WithTheDefaultText) {
    RegistryTestKey key("WriteBinary");
    cRegistry registry;
    Address(registry, key.Path(), "v");
    registry.SetValueType(regtype::kBinary);
    AppError e = Raised([&] { registry.SetValue(Variant::FromString("x")); });
    EXPECT_EQ(e.Number(), 26001);
    EXPECT_EQ(e.Source(), ProgramName());
    EXPECT_EQ(e.Description(), "Application-defined or object-defined error");
    EXPECT_TRUE(registry.CurrentValue().IsEmpty());
}

TEST(cRegistry, CreateKeyMakesTheWholePathAndKeyExistsSeesIt) {
    RegistryTestKey key("Create");
    cRegistry registry;
    Address(registry, key.Path() + "\\a\\b");
    EXPECT_EQ(registry.KeyExists(), kFalse);
    EXPECT_EQ(registry.CreateKey(), kTrue);
    EXPECT_EQ(registry.KeyExists(), kTrue);
    EXPECT_EQ(registry.CreateKey(), kTrue);  // an existing key is opened, not an error
    EXPECT_TRUE(RawKeyExists(HKEY_CURRENT_USER, key.Path() + "\\a\\b"));
}

TEST(cRegistry, DeleteKeyRefusesAMissingKeyAndAKeyWithSubKeys) {
    RegistryTestKey key("Delete");
    CreateRawKey(key.Path() + "\\parent\\child");
    for (const std::string& section : {key.Path() + "\\missing", key.Path() + "\\parent"}) {
        cRegistry registry;
        Address(registry, section);
        AppError e = Raised([&] { registry.DeleteKey(); });
        EXPECT_EQ(e.Number(), 26001);
        EXPECT_EQ(e.Source(), Source());
        EXPECT_EQ(e.Description(),
                  "Failed to delete registry Key: '" + kHkcu + "',Section: '" + section);
    }
    EXPECT_TRUE(RawKeyExists(HKEY_CURRENT_USER, key.Path() + "\\parent\\child"));
    cRegistry registry;
    Address(registry, key.Path() + "\\parent\\child");
    EXPECT_EQ(registry.DeleteKey(), kTrue);
    EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, key.Path() + "\\parent\\child"));
}

TEST(cRegistry, DeleteValueNamesWhatFailed) {
    RegistryTestKey key("DeleteValue");
    WriteRaw(key.Path(), "there", REG_SZ, SzBytes("x"));
    cRegistry registry;
    Address(registry, key.Path() + "\\missing", "there");
    AppError open = Raised([&] { registry.DeleteValue(); });
    EXPECT_EQ(open.Number(), 26001);
    EXPECT_EQ(open.Description(), "Failed to open key '" + kHkcu + "',Section: '" + key.Path() +
                                      "\\missing' for delete access");
    Address(registry, key.Path(), "absent");
    AppError del = Raised([&] { registry.DeleteValue(); });
    EXPECT_EQ(del.Number(), 26001);
    EXPECT_EQ(del.Source(), Source());
    EXPECT_EQ(del.Description(), "Failed to delete registry Key: '" + kHkcu + "',Section: '" +
                                     key.Path() + "',Key: 'absent");
    Address(registry, key.Path(), "there");
    EXPECT_EQ(registry.DeleteValue(), kTrue);
    EXPECT_FALSE(ReadRaw(key.Path(), "there").exists);
}

TEST(cRegistry, EnumerateValuesListsNamesFromIndexOne) {
    RegistryTestKey key("EnumValues");
    std::vector<std::string> names{"stale"};
    std::int32_t count = 7;
    cRegistry registry;
    for (const std::string& section : {key.Path(), key.Path() + "\\missing"}) {
        CreateRawKey(key.Path());
        Address(registry, section);
        EXPECT_EQ(registry.EnumerateValues(names, count), kTrue);
        EXPECT_EQ(count, 0);
        EXPECT_TRUE(names.empty());
    }
    const std::string longName(200, 'n');
    for (const std::string& name : {std::string("first"), std::string(""), longName}) {
        WriteRaw(key.Path(), name, REG_SZ, SzBytes("x"));
    }
    Address(registry, key.Path());
    EXPECT_EQ(registry.EnumerateValues(names, count), kTrue);
    ASSERT_EQ(count, 3);
    ASSERT_EQ(names.size(), 4u);
    std::vector<std::string> listed(names.begin() + 1, names.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"", "first", longName}));
}

TEST(cRegistry, EnumerateSectionsListsSubKeysInRegistryOrderUpToTheNameLimit) {
    RegistryTestKey key("EnumSections");
    for (const char* name : {"c", "a", "b"}) CreateRawKey(key.Path() + "\\" + name);
    CreateRawKey(key.Path() + "\\b\\nested");
    std::vector<std::string> sections;
    std::int32_t count = 0;
    cRegistry registry;
    Address(registry, key.Path());
    EXPECT_EQ(registry.EnumerateSections(sections, count), kTrue);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(sections, (std::vector<std::string>{"", "a", "b", "c"}));

    // A 254-character name fits the buffer with its terminator; 255 characters do not, and
    // the listing ends there.
    const std::string fits = "d" + std::string(253, 'x');
    const std::string tooLong = "e" + std::string(254, 'x');
    for (const std::string& name : {fits, tooLong, std::string("f")}) {
        CreateRawSubKey(key.Path(), name);
    }
    registry.EnumerateSections(sections, count);
    ASSERT_EQ(count, 4);
    EXPECT_EQ(sections.back(), fits);

    Address(registry, key.Path() + "\\missing");
    EXPECT_EQ(registry.EnumerateSections(sections, count), kTrue);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(sections.empty());
}
