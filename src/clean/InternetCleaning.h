// The cleaning routines of the default browser's history, typed addresses and cache. The
// browser code "IE" selects Internet Explorer (exact, case-sensitive); any other code selects
// the Netscape/Mozilla branch, which works in the chosen profile's folder. Each routine appends
// its block of lines to the run's report text and never lets a failure reach the caller.
#pragma once

#include <string>

class cRegistry;
struct FoundRow;

// The find steps of the routines below.
FoundRow FindInternetHistory(const std::string& browser, const std::string& profileFolder);
FoundRow FindURLHistory(cRegistry& registry, const std::string& browser,
                        const std::string& profileFolder);
FoundRow FindTempInternetFiles(cRegistry& registry, const std::string& browser,
                               const std::string& profileFolder);

// Internet Explorer: ClearHistory of Brisvane.dll. Netscape/Mozilla: deletes the profile's
// "history.dat" (without force) when it exists. Any failure ends the block without
// "Completed".
void CleanInternetHistory(std::string& report, const std::string& browser,
                          const std::string& profileFolder);

// Internet Explorer: empties the "TypedURLs" key. Netscape/Mozilla: removes the lines holding
// "<RDF:li>" from the profile's "localstore.rdf", which is left untouched when none does. Any
// failure ends the block without "Completed".
void CleanURLHistory(cRegistry& registry, std::string& report, const std::string& browser,
                     const std::string& profileFolder);

// Internet Explorer: walks the cache folder named in the registry with CleanIECacheFolder.
// Netscape/Mozilla: deletes every file directly in the profile's "cache" folder, with a
// two-line warning per file in use.
void CleanTempInternetFiles(cRegistry& registry, std::string& report, const std::string& browser,
                            const std::string& profileFolder);

// Empties an Internet Explorer cache folder, keeping its "Content.IE5" folder and the
// "index.dat" directly in it. Does nothing unless the browser code is "IE".
void CleanIECacheFolder(std::string& report, const std::string& browser,
                        const std::string& cacheFolder);
