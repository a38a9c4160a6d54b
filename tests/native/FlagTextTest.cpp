#include <gtest/gtest.h>

#include "settings/FlagText.h"
#include "settings/Variant.h"

TEST(FlagText, TruthWordsInAnyCaseAndDecimalNumbersConvert) {
    struct Case {
        const char* text;
        Boolean expected;
    };
    const Case cases[] = {
        {"True", kTrue},   {"TRUE", kTrue},   {"true", kTrue},   {"tRuE", kTrue},
        {"False", kFalse}, {"false", kFalse}, {"FALSE", kFalse}, {"1", kTrue},
        {"-1", kTrue},     {"42", kTrue},     {"0", kFalse},     {"000", kFalse},
        {"0.0", kFalse},   {"0.5", kTrue},    {"+2", kTrue},     {"-0", kFalse},
    };
    for (const Case& c : cases) {
        std::optional<Boolean> value = FlagTextToBoolean(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.expected) << c.text;
    }
}

TEST(FlagText, AnyOtherTextDoesNotConvert) {
    for (const char* text : {"", "yes", "no", "on", "truee", "tru", "True ", " 1", "1a", "-", ".",
                             "1.2.3", "0x1", "falsetrue"}) {
        EXPECT_FALSE(FlagTextToBoolean(text).has_value()) << "'" << text << "'";
    }
}

TEST(Variant, TextForms) {
    EXPECT_EQ(Variant().ToText(), "");
    EXPECT_EQ(Variant::FromString("a b").ToText(), "a b");
    EXPECT_EQ(Variant::FromInteger(-32768).ToText(), "-32768");
    EXPECT_EQ(Variant::FromLong(-2147483647 - 1).ToText(), "-2147483648");
    EXPECT_EQ(Variant::FromLong(258).ToText(), "258");
    EXPECT_EQ(Variant::FromBoolean(kTrue).ToText(), "True");
    EXPECT_EQ(Variant::FromBoolean(kFalse).ToText(), "False");
    EXPECT_EQ(Variant::FromBytes({'h', 'i'}).ToText(), "hi");
    // Kinds differ even where texts agree.
    EXPECT_NE(Variant::FromLong(1), Variant::FromInteger(1));
    EXPECT_NE(Variant::FromString(""), Variant());
}
