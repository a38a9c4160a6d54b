// The program password, kept as a salted hash in the text value "BrisvanePassword" under the
// settings key. CheckPassword also accepts a value stored as typed by an earlier version and then
// replaces it by its hash. SavePassword raises AppError, storing nothing, when the system's
// cryptography fails.
#pragma once

#include <string>

#include "settings/Boolean.h"

class cRegistry;

void SavePassword(cRegistry& registry, const std::string& text);
void ClearPassword(cRegistry& registry);
Boolean IsPasswordSet(cRegistry& registry);
Boolean CheckPassword(cRegistry& registry, const std::string& typed);
