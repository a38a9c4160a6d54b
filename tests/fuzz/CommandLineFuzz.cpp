// The program's command line: any command line gives an argument text that ends it, and the
// arguments after the program's name, quoted or not, reach the program unchanged, so that a
// start with "1" (the log-on Run value) is automatic whichever way the path was written.
#include "FuzzCheck.h"
#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text = TextOf(bytes, size);
    const std::string arguments = ArgumentText(text);
    Require(arguments.size() <= text.size() &&
                text.compare(text.size() - arguments.size(), arguments.size(), arguments) == 0,
            "the argument text ends the command line");
    if (!text.empty() && text[0] == '"') {
        std::size_t closing = text.find('"', 1);
        Require(closing == std::string::npos || arguments.size() < text.size() - closing,
                "a quoted program name is never part of the arguments");
    }
    Require(ArgumentText("Brisvane.exe " + text) == text, "arguments after a plain name");
    Require(ArgumentText("\"C:\\Program Files\\Brisvane\\Brisvane.exe\" " + text) == text,
            "arguments after a quoted name");
    Require(IsAutomaticStart("1 " + text) && !IsAutomaticStart("11" + text),
            "the first word decides, exactly \"1\"");
    IsAutomaticStart(arguments);
    return 0;
}
