#include <gtest/gtest.h>

#include "files/FileErrorNumber.h"

TEST(FileErrorNumberTest, SystemCodesBecomeTheProgramsNumbers) {
    struct Case {
        std::uint32_t code;
        long number;
        const char* text;
    } cases[] = {
        {5, 70, "Permission denied"}, {32, 70, "Permission denied"}, {33, 70, "Permission denied"},
        {3, 76, "Path not found"},    {2, 53, "File not found"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileErrorNumber(c.code), c.number) << c.code;
        EXPECT_EQ(FileErrorText(FileErrorNumber(c.code)), c.text) << c.code;
    }
}

TEST(FileErrorNumberTest, OtherCodesNeverLookLikeTheNumbersCallersSortBy) {
    // 70, 53 and 76 are also system codes of their own (network errors): they must not turn
    // into "in use" or "not found".
    for (std::uint32_t code : {53u, 70u, 76u, 112u, 145u, 183u, 206u, 26001u}) {
        long number = FileErrorNumber(code);
        EXPECT_NE(number, 70) << code;
        EXPECT_NE(number, 53) << code;
        EXPECT_NE(number, 76) << code;
        EXPECT_NE(number, 26001) << code;
        EXPECT_EQ(FileErrorText(number), "") << code;
    }
    EXPECT_NE(FileErrorNumber(112), FileErrorNumber(183));
}
