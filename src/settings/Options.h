// The fifteen options of the settings key, in the order they are loaded: the registry value
// name and the cSettings property of each. The settings store, the main window's option boxes
// and the tests take the options from this one table.
#pragma once

#include <cstddef>
#include <string_view>

#include "settings/Boolean.h"
#include "settings/cSettings.h"

struct Option {
    const char* name;  // the registry value name and the cSettings property
    Boolean (cSettings::*get)() const;
    void (cSettings::*set)(Boolean);
};

inline constexpr Option kOptions[] = {
    {"DocumentHistory", &cSettings::DocumentHistory, &cSettings::SetDocumentHistory},
    {"FindSearch", &cSettings::FindSearch, &cSettings::SetFindSearch},
    {"Run", &cSettings::Run, &cSettings::SetRun},
    {"TempFiles", &cSettings::TempFiles, &cSettings::SetTempFiles},
    {"RecycleBin", &cSettings::RecycleBin, &cSettings::SetRecycleBin},
    {"CleanAtStartUp", &cSettings::CleanAtStartUp, &cSettings::SetCleanAtStartUp},
    {"CleanAtShutDown", &cSettings::CleanAtShutDown, &cSettings::SetCleanAtShutDown},
    {"InternetCookies", &cSettings::InternetCookies, &cSettings::SetInternetCookies},
    {"InternetHistory", &cSettings::InternetHistory, &cSettings::SetInternetHistory},
    {"InternetURLHistory", &cSettings::InternetURLHistory, &cSettings::SetInternetURLHistory},
    {"PasswordProtected", &cSettings::PasswordProtected, &cSettings::SetPasswordProtected},
    // The password is loaded here, between these two groups.
    {"DisplayProgress", &cSettings::DisplayProgress, &cSettings::SetDisplayProgress},
    {"Report", &cSettings::Report, &cSettings::SetReport},
    {"TempInternet", &cSettings::TempInternet, &cSettings::SetTempInternet},
    {"ExplorerHistory", &cSettings::ExplorerHistory, &cSettings::SetExplorerHistory},
};

// How many options are loaded before the password.
inline constexpr std::size_t kOptionsBeforePassword = 11;

// The option of this name; a name that is not in the table does not compile where the call
// is evaluated at compile time.
constexpr const Option& OptionNamed(std::string_view name) {
    for (const Option& option : kOptions) {
        if (name == option.name) return option;
    }
    throw "no such option";
}
