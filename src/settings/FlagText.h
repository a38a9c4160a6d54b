// Conversion of a stored flag text to the program's Boolean.
#pragma once

#include <optional>
#include <string>

#include "settings/Boolean.h"

// "true" or "false" in any letter case, or a decimal number (zero is False, any other number
// True; an optional sign and fraction are allowed). Any other text, the empty text included,
// cannot be converted and gives no value.
std::optional<Boolean> FlagTextToBoolean(const std::string& text);
