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

TEST(CommandLine, SwitchesForScriptsAndEverythingElseIsInvalid) {
    using Kind = Command::Kind;
    struct Case {
        const char* arguments;
        Kind kind;
        const char* file;
    };
    const Case cases[] = {
        {"  ", Kind::Window, ""},
        {"1 x", Kind::Automatic, ""},
        {"/CLEAN ", Kind::Clean, ""},
        {"/?", Kind::Help, ""},
        {"/Preview:\"C:\\a b\\out.txt\"", Kind::Preview, "C:\\a b\\out.txt"},
        {"/preview:\"\"", Kind::Invalid, ""},
        {"/preview:\"C:\\a", Kind::Invalid, ""},
        {"/clean now", Kind::Invalid, ""},
        {" 1", Kind::Invalid, ""},
    };
    for (const Case& c : cases) {
        const Command command = ParseCommand(c.arguments);
        EXPECT_EQ(command.kind, c.kind) << "'" << c.arguments << "'";
        EXPECT_EQ(command.file, c.file) << "'" << c.arguments << "'";
    }
}
