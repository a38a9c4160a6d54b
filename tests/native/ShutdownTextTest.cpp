#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "clean/ShutdownText.h"

TEST(ShutdownText, RunValueQuotesThePathAndStillStartsAutomatically) {
    for (const std::string folder :
         {"C:\\Program Files\\Brisvane", "C:\\Brisvane", "C:\\a b\\c d e"}) {
        const std::string command = RunValueText(folder);
        EXPECT_EQ(command, "\"" + folder + "\\Brisvane.exe\" 1");
        // Windows starts the program with this command line; it must see the argument "1".
        EXPECT_EQ(ArgumentText(command), "1") << command;
        EXPECT_TRUE(IsAutomaticStart(ArgumentText(command))) << command;
    }
}

TEST(ShutdownText, UninstallLogGetsItsTwoLinesOnlyWithoutTheMarker) {
    const std::string lines =
        " %% Modified by Brisvane %%\r\n"
        "ACTION: RegValue: \"HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run\""
        ", \"clean\"\r\n";
    struct Case {
        std::string log, addition;
    };
    const Case cases[] = {
        {"", lines},
        {"ACTION: File\r\n", lines},
        {"ACTION: File", "\r\n" + lines},  // the last line is ended first
        {"ACTION: File\r\n" + lines, ""},
        {"x\r\nline with %% Modified by Brisvane inside\r\ny\r\n", ""},
        {"% Modified by Brisvane\r\n", lines},
    };
    for (const Case& c : cases) EXPECT_EQ(UninstallLogAddition(c.log), c.addition) << c.log;
}

TEST(ShutdownText, ScriptsNameOnlyAbsoluteFoldersBelowARoot) {
    struct Case {
        const char* folder;
        bool scriptable;
    };
    const Case cases[] = {
        {"C:\\PROG~FBU\\INETCA~1\\", true},
        {"\\\\server\\share\\cache\\", true},
        {"", false},
        {"\\", false},
        {"C:\\", false},
        {"C:", false},
        {"\\\\server\\share\\", false},
        {"C:\\PROG~FBU", false},                // no backslash at its end
        {"INETCA~1\\", false},                  // relative
        {"\\INETCA~1\\", false},                // relative to the current drive
        {"C:\\Program Files\\Cache\\", false},  // a long form with a blank
        {"C:\\a&b\\", false},
        {"C:\\a\\\\b\\", false},
        {"C:\\50%\\", false},
        {"C:\\Users\\..\\", false},  // found by fuzzing: "rd" would remove all of C:
        {"C:\\a\\.\\", false},
        {"C:\\\\a\\", false},  // an empty first name, found by fuzzing
        {"\\\\server\\share\\\\a\\", false},
        {"\\\\server\\share\\...\\", false},
        {"C:\\a.b\\..c\\", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsScriptableFolder(c.folder), c.scriptable) << c.folder;
        const std::string text = DeletionScriptText("rd /s/q", c.folder);
        EXPECT_EQ(text,
                  c.scriptable ? "@echo off\r\nrd /s/q " + std::string(c.folder) + "\r\n" : "")
            << c.folder;
    }
}
