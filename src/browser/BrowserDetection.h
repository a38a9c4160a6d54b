// Which browser is the user's default, how it is shown, and the command that starts it, all
// read from the browser's registration for the "http" protocol: the open command of the ProgId
// that Windows records as the user's choice, else the protocol's own command. Registry failures
// raise AppError and are passed on to the caller.
#pragma once

#include <string>

class cRegistry;
class cSettings;

// Sets DefaultBrowser to "IE", "NS" or "Unknown Browser" and returns the text that shows the
// browser to the user ("Internet Explorer 6.0", "Netscape 7.1" or "Unknown Browser").
std::string DetectDefaultBrowser(cRegistry& registry, cSettings& settings);

// The ProgId that Windows records as the user's "http" choice; "" when none is named, as
// before Windows Vista.
std::string HttpChoiceProgId(cRegistry& registry);

// The "http" command that Windows starts, without its "%1" part.
std::string GetBrowserCommand(cRegistry& registry);
