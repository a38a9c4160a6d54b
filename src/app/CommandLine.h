// Reading the program's command line.
#pragma once

#include <string>

// The argument text: the command line without the program's own name and the one blank that
// separates them. A quoted program name ends at its closing quote.
std::string ArgumentText(const std::string& commandLine);

// Automatic mode: the first word of the argument text, split at single blanks, is exactly "1".
bool IsAutomaticStart(const std::string& argumentText);

// What the argument text asks for. Switches are matched without regard to case; blanks around
// the text are ignored.
struct Command {
    enum class Kind {
        Window,     // no argument: the main window
        Automatic,  // "1": the log-on start
        Clean,      // "/clean": one clean run without a window, then exit
        Preview,    // "/preview:<file>": the preview text into the file, then exit
        Help,       // "/?": the usage, exit 0
        Invalid,    // anything else: the usage, exit 2
    };
    Kind kind = Kind::Window;
    std::string file;  // the preview's file, without the quotes around it
};

Command ParseCommand(const std::string& argumentText);

// The usage the program shows for "/?" and for an argument it does not know.
inline constexpr const char* kUsageText =
    "Usage: Brisvane.exe [/clean | /preview:<file> | /?]\r\n\r\n"
    "/clean cleans the ticked items without a window.\r\n"
    "It exits with 0 when every item completed,\r\n"
    "1 when an item failed, 3 when none is ticked.\r\n\r\n"
    "/preview:<file> writes what a clean would\r\n"
    "remove now into the file.\r\n\r\n"
    "/? shows this text. Without an argument\r\n"
    "Brisvane opens its window.";
