// Registry failures that Wine cannot produce on demand, injected into the real registry API.
#include <gtest/gtest.h>

#include "FailingRegistryApi.h"
#include "RegistrySandbox.h"
#include "VariantPrinter.h"
#include "platform/System.h"
#include "settings/RegistryData.h"
#include "settings/cRegistry.h"

namespace {

const std::string kHkcu = "-2147483647";

struct Fixture : testing::Test {
    RegistryTestKey key{"Failures"};
    FailingRegistryApi api;
    cRegistry registry{api};

    void Address(const std::string& name) {
        registry.SetClassKey(hkey::kCurrentUser);
        registry.SetSectionKey(key.Path());
        registry.SetValueKey(name);
    }
    std::string SetValueText(const std::string& value) const {
        return "Failed to set registry value Key: '" + kHkcu + "',Section: '" + key.Path() +
               "',Key: 'v' to value: '" + value + "'";
    }
};

using cRegistryFailure = Fixture;

}  // namespace

TEST_F(cRegistryFailure, AFailingWriteRaisesTheSetValueErrorAndKeepsTheCurrentValue) {
    Address("v");
    registry.SetValueType(regtype::kSz);
    registry.SetValue(Variant::FromString("kept"));
    api.failing = RegCall::SetValue;
    try {
        registry.SetValue(Variant::FromBoolean(kTrue));
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), regerr::kSetValue);
        EXPECT_EQ(static_cast<std::uint32_t>(e.Number()), 0x800469A9u);
        EXPECT_EQ(e.Source(), ProgramName() + ".cRegistry");
        EXPECT_EQ(e.Description(), SetValueText("True"));
    }
    EXPECT_EQ(registry.CurrentValue(), Variant::FromString("kept"));
    EXPECT_EQ(ReadRaw(key.Path(), "v").data, SzBytes("kept"));
    EXPECT_EQ(api.opened, api.closed);
}

TEST_F(cRegistryFailure, AKeyThatCannotBeCreatedRaises26001FromWriteAndCreateKey) {
    api.failing = RegCall::CreateKey;
    Address("v");
    registry.SetValueType(regtype::kSz);
    try {
        registry.SetValue(Variant::FromString("x"));
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), 26001);
        EXPECT_EQ(e.Description(), SetValueText("x"));
    }
    EXPECT_TRUE(registry.CurrentValue().IsEmpty());
    try {
        registry.CreateKey();
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), 26001);
        EXPECT_EQ(e.Description(), "Failed to create registry Key: '" + key.Path());
    }
}

TEST_F(cRegistryFailure, AFailingDeletionClosesTheKeyAndRaises26001) {
    WriteRaw(key.Path(), "v", REG_SZ, SzBytes("x"));
    api.failing = RegCall::DeleteValue;
    Address("v");
    EXPECT_THROW(registry.DeleteValue(), AppError);
    EXPECT_EQ(api.opened, 1);
    EXPECT_EQ(api.closed, 1);
    EXPECT_TRUE(ReadRaw(key.Path(), "v").exists);
}

TEST_F(cRegistryFailure, ARunTimeErrorWhileListingSubKeysRaisesTheEnumerationError) {
    CreateRawKey(key.Path() + "\\a");
    api.failing = RegCall::EnumKey;
    api.raise = true;
    Address("");
    std::vector<std::string> sections;
    std::int32_t count = 0;
    try {
        registry.EnumerateSections(sections, count);
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), regerr::kEnumerate);
        EXPECT_EQ(static_cast<std::uint32_t>(e.Number()), 0x800469AAu);
        EXPECT_EQ(e.Source(), ProgramName() + ".cRegistry");
        EXPECT_EQ(e.Description(), "Out of memory");
    }
    EXPECT_EQ(api.opened, 1);
    EXPECT_EQ(api.closed, 1);
}

TEST_F(cRegistryFailure, FailingListingCallsEndTheListQuietly) {
    CreateRawKey(key.Path() + "\\a");
    WriteRaw(key.Path(), "v", REG_SZ, SzBytes("x"));
    std::vector<std::string> names;
    std::int32_t count = -1;
    Address("");
    for (RegCall call : {RegCall::EnumKey, RegCall::OpenKey}) {
        api.failing = call;
        EXPECT_EQ(registry.EnumerateSections(names, count), kTrue);
        EXPECT_EQ(count, 0);
    }
    for (RegCall call : {RegCall::QueryInfoKey, RegCall::EnumValue, RegCall::OpenKey}) {
        api.failing = call;
        EXPECT_EQ(registry.EnumerateValues(names, count), kTrue);
        EXPECT_EQ(count, 0);
        EXPECT_TRUE(names.empty());
    }
    EXPECT_EQ(api.opened, api.closed);
}

TEST_F(cRegistryFailure, AFailingReadGivesDefault) {
    WriteRaw(key.Path(), "v", REG_SZ, SzBytes("x"));
    registry.SetDefault(Variant::FromLong(-1));
    registry.SetValueType(regtype::kBinary);
    Address("v");
    for (RegCall call : {RegCall::OpenKey, RegCall::QueryValue}) {
        api.failing = call;
        EXPECT_EQ(registry.Value(), Variant::FromLong(-1));
        EXPECT_EQ(registry.ValueType(), regtype::kBinary);
    }
    api.failing = RegCall::None;
    EXPECT_EQ(registry.Value(), Variant::FromString("x"));
    EXPECT_EQ(api.opened, api.closed);
}

TEST_F(cRegistryFailure, TextThatCannotBeExpandedIsReadAsStored) {
    WriteRaw(key.Path(), "v", REG_EXPAND_SZ, SzBytes("%TEMP%\\x"));
    api.failing = RegCall::Expand;
    Address("v");
    EXPECT_EQ(registry.Value(), Variant::FromString("%TEMP%\\x"));
    EXPECT_EQ(registry.ValueType(), regtype::kExpandSz);
}
