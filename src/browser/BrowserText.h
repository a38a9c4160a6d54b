// The text rules of browser detection: the short form of a version, the browser's start
// command without its "%1" part, and which browser family a registered command names.
#pragma once

#include <optional>
#include <string>

// The version up to and including its first "." and one more character ("6.0.2800.1106"
// gives "6.0", "4.79 (en)" gives "4.7"); a version without a "." keeps its first character.
std::string ShortVersion(const std::string& version);

// The command cut just before its first "%1": "%1", everything after it and the one character
// in front of it (the opening quote or the blank) are dropped. A command without "%1" is kept
// whole. Nothing when "%1" stands at the very start, where no character precedes it.
std::optional<std::string> CutBrowserCommand(const std::string& command);

enum class BrowserFamily { InternetExplorer, Netscape, Unknown };

// The family a lower-cased "http" command names: "iexplore" wins over "netsc".
BrowserFamily BrowserFamilyOf(const std::string& lowerCaseCommand);

// The text with every ASCII capital letter made small.
std::string LowerCase(std::string text);
