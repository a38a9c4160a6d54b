#include "browser/BrowserDetection.h"

#include <vector>

#include "browser/BrowserText.h"
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/RegistryPaths.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

constexpr long kInvalidArgument = 5;
constexpr long kSubscriptOutOfRange = 9;

std::string ReadText(cRegistry& registry, std::int32_t root, const std::string& path,
                     const std::string& name) {
    AddressValue(registry, root, path, name);
    registry.SetValueType(regtype::kSz);
    return registry.Value().ToText();
}

// A text value read as "" when it is missing, whatever default the registry object holds; the
// object's default is left as it was.
std::string ReadTextOrEmpty(cRegistry& registry, std::int32_t root, const std::string& path,
                            const std::string& name) {
    struct KeptDefault {
        cRegistry& registry;
        Variant value;
        ~KeptDefault() { registry.SetDefault(value); }
    } kept{registry, registry.Default()};
    registry.SetDefault(Variant());
    return ReadText(registry, root, path, name);
}

}  // namespace

// The first ProgId named of: UserChoiceLatest's subkey "ProgId" (where Windows 11 24H2 and later
// write the choice), UserChoiceLatest itself, then UserChoice, which those versions leave stale.
std::string HttpChoiceProgId(cRegistry& registry) {
    for (const char* path :
         {regpath::kUserChoiceLatestProgId, regpath::kUserChoiceLatest, regpath::kUserChoice}) {
        std::string progId =
            ReadTextOrEmpty(registry, hkey::kCurrentUser, path, regpath::kProgIdValue);
        if (!progId.empty()) return progId;
    }
    return "";
}

namespace {

// The command Windows starts for "http": the open command of the chosen ProgId, else (no
// ProgId, or one without a command) the protocol's own command.
std::string HttpCommand(cRegistry& registry) {
    const std::string progId = HttpChoiceProgId(registry);
    if (!progId.empty()) {
        std::string command =
            ReadTextOrEmpty(registry, hkey::kClassesRoot, progId + regpath::kOpenCommandSuffix, "");
        if (!command.empty()) return command;
    }
    return ReadText(registry, hkey::kClassesRoot, regpath::kHttpCommand, "");
}

// Internet Explorer 10 and later keep "9.10..." or "9.11..." in "Version" and their own version
// in "svcVersion", which earlier versions do not have.
std::string ExplorerVersion(cRegistry& registry) {
    std::string version = ReadTextOrEmpty(registry, hkey::kLocalMachine, regpath::kInternetExplorer,
                                          regpath::kServiceVersionValue);
    if (!version.empty()) return version;
    return ReadText(registry, hkey::kLocalMachine, regpath::kInternetExplorer,
                    regpath::kVersionValue);
}

// The version of the Netscape product whose key the registry lists first.
std::string NetscapeVersion(cRegistry& registry) {
    AddressKey(registry, hkey::kLocalMachine, regpath::kNetscape);
    std::vector<std::string> products;
    std::int32_t count = 0;
    registry.EnumerateSections(products, count);
    if (count < 1) throw AppError(kSubscriptOutOfRange, ProgramName(), "Subscript out of range");
    return ReadText(registry, hkey::kLocalMachine,
                    std::string(regpath::kNetscape) + "\\" + products[1],
                    regpath::kCurrentVersionValue);
}

}  // namespace

std::string DetectDefaultBrowser(cRegistry& registry, cSettings& settings) {
    switch (BrowserFamilyOf(LowerCase(HttpCommand(registry)))) {
        case BrowserFamily::InternetExplorer: {
            std::string version = ExplorerVersion(registry);
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
