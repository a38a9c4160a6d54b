// The cookie cleaning routine: deletes the default browser's cookies except those on the
// browser family's keep-list. Its block is "Cleaning Internet Cookies", and "Completed" only
// when every unkept cookie went; nothing else, and no failure reaches the caller.
#pragma once

#include <string>

class cRegistry;
struct FoundRow;
class cSettings;

// Browser code "IE": every file directly in the shell's cookie folder but "index.dat" whose
// name is not kept is deleted; subfolders stay. Any other code: the chosen Netscape profile's
// "cookies.txt" is rewritten with only its comments, empty lines and kept cookies.
// The find step; with `preview` a missing keep-list key is not created.
FoundRow FindCookies(cRegistry& registry, const std::string& browser, const cSettings& settings,
                     bool preview);

void CleanCookies(cRegistry& registry, std::string& report, const std::string& browser,
                  const cSettings& settings);
