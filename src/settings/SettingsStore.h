// The user's options as text values under HKEY_CURRENT_USER "Software\Brisvane\Settings":
// loading them all at start-up, reading one (creating its default when missing), and saving
// one flag or text the moment the user changes it. Registry failures raise AppError.
#pragma once

#include <cstdint>
#include <string>

class cRegistry;
class cSettings;

// A missing value is created with its default unless storeDefaults is false (a run from the
// command line changes no setting); either way the default is what is loaded.
void LoadSettings(cSettings& settings, cRegistry& registry, bool storeDefaults = true);
std::string ReadSetting(cRegistry& registry, const std::string& name, bool isText,
                        bool storeDefault = true);
void CreateDefaultSetting(cRegistry& registry, const std::string& path, const std::string& name,
                          bool isText);
void SaveFlagSetting(cRegistry& registry, const std::string& name, std::int16_t state);
void SaveStringSetting(cRegistry& registry, const std::string& name, const std::string& text);
