// The program password, stored as the text value "BrisvanePassword" under the settings key.
#pragma once

#include <string>

#include "settings/Boolean.h"

class cRegistry;

void SavePassword(cRegistry& registry, const std::string& text);
void ClearPassword(cRegistry& registry);
Boolean IsPasswordSet(cRegistry& registry);
Boolean CheckPassword(cRegistry& registry, const std::string& typed);
