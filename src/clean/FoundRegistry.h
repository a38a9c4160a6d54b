// Find steps of registry keys below HKEY_CURRENT_USER: each value found is one entry, listed
// as "HKEY_CURRENT_USER\<key>: <value name>". A missing key holds nothing; nothing is created.
#pragma once

#include <string>

#include "clean/Findings.h"

class cRegistry;

// The values of the key itself.
void FindKeyValues(cRegistry& registry, const std::string& path, Findings& findings);

// The values of the key and of every key below it.
void FindKeyTreeValues(cRegistry& registry, const std::string& path, Findings& findings);
