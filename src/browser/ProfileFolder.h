// The folder of the chosen Netscape/Mozilla profile, as the cleaning routines and the cookie
// keep-list need it.
#pragma once

#include <string>

class cSettings;

// The folder of the profile named by DefaultNSProfile in the program's profile table (first
// exact, case-sensitive match), or "" when no profile has that name.
std::string GetNSProfileFolder(const cSettings& settings);
