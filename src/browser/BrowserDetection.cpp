#include "browser/BrowserDetection.h"

#include <vector>

#include "browser/BrowserText.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

constexpr long kInvalidArgument = 5;
constexpr long kSubscriptOutOfRange = 9;

std::string ReadText(cRegistry& registry, std::int32_t root, const std::string& path,
                     const std::string& name) {
    registry.SetClassKey(root);
    registry.SetSectionKey(path);
    registry.SetValueKey(name);
    registry.SetValueType(regtype::kSz);
    return registry.Value().ToText();
}

std::string HttpCommand(cRegistry& registry) {
    return ReadText(registry, hkey::kClassesRoot, kHttpCommandKey, "");
}

// The version of the Netscape product whose key the registry lists first.
std::string NetscapeVersion(cRegistry& registry) {
    registry.SetClassKey(hkey::kLocalMachine);
    registry.SetSectionKey(kNetscapeKey);
    std::vector<std::string> products;
    std::int32_t count = 0;
    registry.EnumerateSections(products, count);
    if (count < 1) throw AppError(kSubscriptOutOfRange, ProgramName(), "Subscript out of range");
    return ReadText(registry, hkey::kLocalMachine, std::string(kNetscapeKey) + "\\" + products[1],
                    "CurrentVersion");
}

}  // namespace

std::string DetectDefaultBrowser(cRegistry& registry, cSettings& settings) {
    switch (BrowserFamilyOf(LowerCase(HttpCommand(registry)))) {
        case BrowserFamily::InternetExplorer: {
            std::string version = ReadText(registry, hkey::kLocalMachine, kExplorerKey, "Version");
            settings.SetDefaultBrowser("IE");
            return "Internet Explorer " + ShortVersion(version);
        }
        case BrowserFamily::Netscape: {
            std::string version = NetscapeVersion(registry);
            settings.SetDefaultBrowser("NS");
            return "Netscape " + ShortVersion(version);
        }
        case BrowserFamily::Unknown:
            break;
    }
    settings.SetDefaultBrowser("Unknown Browser");
    return "Unknown Browser";
}

std::string GetBrowserCommand(cRegistry& registry) {
    std::optional<std::string> command = CutBrowserCommand(HttpCommand(registry));
    if (!command) {
        throw AppError(kInvalidArgument, ProgramName(), "Invalid procedure call or argument");
    }
    return *command;
}
