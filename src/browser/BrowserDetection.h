// Which browser is the user's default, how it is shown, and the command that starts it, all
// read from the browser's registration for the "http" protocol. Registry failures raise
// AppError and are passed on to the caller.
#pragma once

#include <string>

class cRegistry;
class cSettings;

inline constexpr const char* kHttpCommandKey = "http\\shell\\open\\command";
inline constexpr const char* kExplorerKey = "Software\\Microsoft\\Internet Explorer";
inline constexpr const char* kNetscapeKey = "Software\\Netscape";

// Sets DefaultBrowser to "IE", "NS" or "Unknown Browser" and returns the text that shows the
// browser to the user ("Internet Explorer 6.0", "Netscape 7.1" or "Unknown Browser").
std::string DetectDefaultBrowser(cRegistry& registry, cSettings& settings);

// The registered "http" command without its "%1" part.
std::string GetBrowserCommand(cRegistry& registry);
