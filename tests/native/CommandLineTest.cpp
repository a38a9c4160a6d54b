#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, AutomaticModeOnlyWhenFirstWordIsExactlyOne) {
    struct Case {
        const char* arguments;
        bool automatic;
    };
    const Case cases[] = {
        {"1", true},   {"1 x y", true}, {"", false},   {"12", false},
        {"01", false}, {"/1", false},   {" 1", false}, {"1\tx", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAutomaticStart(c.arguments), c.automatic) << "'" << c.arguments << "'";
    }
}

TEST(CommandLine, ArgumentTextDropsTheProgramNameAndOneBlank) {
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Brisvane\\Brisvane.exe\" 1"), "1");
    EXPECT_EQ(ArgumentText("C:\\Brisvane\\Brisvane.exe 1 x"), "1 x");
    EXPECT_EQ(ArgumentText("Brisvane.exe"), "");
    EXPECT_EQ(ArgumentText("\"C:\\a b\\Brisvane.exe\""), "");
    // A second blank stays part of the argument text, which is then interactive.
    EXPECT_EQ(ArgumentText("Brisvane.exe  1"), " 1");
    EXPECT_FALSE(IsAutomaticStart(ArgumentText("Brisvane.exe  1")));
}
