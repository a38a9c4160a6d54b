// Reading the program's command line.
#pragma once

#include <string>

// The argument text: the command line without the program's own name and the one blank that
// separates them. A quoted program name ends at its closing quote.
std::string ArgumentText(const std::string& commandLine);

// Automatic mode: the first word of the argument text, split at single blanks, is exactly "1".
bool IsAutomaticStart(const std::string& argumentText);
