// The cookie keep-lists: one per browser family, under HKEY_CURRENT_USER
// "Software\Brisvane\Settings\Cookies" (Internet Explorer, and any browser code but "NS") and
// "...\NSCookies" (Netscape). Each kept cookie is one REG_SZ value "Cookie<n>", n counted from 0,
// holding the cookie's name. Registry failures raise AppError and reach the caller.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cookies/CookieLines.h"
#include "settings/Boolean.h"

class cRegistry;
class cSettings;

// "\NSCookies" for Netscape, "\Cookies" otherwise.
std::string KeepListSuffix(Boolean netscape);

// The shell's "Cookies" folder (Internet Explorer's), "" when the value is missing.
std::string ReadIECookieFolder(cRegistry& registry);

// The default browser's cookie folder: the shell's "Cookies" folder unless the browser code is
// exactly "NS", else the chosen Netscape profile's folder ("" when no profile has that name).
std::string GetCookieFolder(cRegistry& registry, const cSettings& settings);

// The value names of the keep-list key at indices 1..count (index 0 is unused); creates the key
// when it holds no values.
void ReadKeepListNames(cRegistry& registry, std::vector<std::string>& names, std::int32_t& count,
                       Boolean netscape);
// The cookie name stored in one value of the keep-list ("" when the value is missing).
std::string ReadKeepListEntry(cRegistry& registry, const std::string& valueName, Boolean netscape);
// Writes "Cookie<position>" = name (REG_SZ, the text exactly) below the settings key + suffix.
void WriteKeepListEntry(cRegistry& registry, const std::string& name, std::int16_t position,
                        const std::string& suffix);
void DeleteKeepListKey(cRegistry& registry, const std::string& keyPath);
void CreateKeepListKey(cRegistry& registry, const std::string& suffix);

// The whole keep-list in the order the registry gives its values, read in one pass: the same
// as ReadKeepListEntry for each name of ReadKeepListNames (every value counts, whatever its
// name), and the key likewise created when it holds no values. A value that cannot be read
// raises rather than shortening the list.
std::vector<std::string> ReadKeepList(cRegistry& registry, Boolean netscape, bool create = true);
// The same as a set for constant-time lookup of a name.
// With `create` false a missing key stays missing (a list that changes nothing).
KeepSet ReadKeepSet(cRegistry& registry, Boolean netscape, bool create = true);
// Rewrites the keep-list key with exactly these names as Cookie0, Cookie1, ...; an empty list
// leaves an empty key.
void SaveKeepList(cRegistry& registry, Boolean netscape, const std::vector<std::string>& names);
