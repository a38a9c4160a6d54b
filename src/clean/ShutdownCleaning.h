// Cleaning without the user: the log-on Run value that starts the program with "1", and the
// scripts that remove the browser's cache and history folders while no browser holds them
// open: machine shut-down scripts of the local group policy on the NT family, lines in
// "c:\autoexec.bat" that run batch files at the next boot on the 9x family.
#pragma once

#include <string>

class cRegistry;
class cSettings;

// At every start: writes the Run value, records it once in the uninstall log beside the
// program (when there is one) and prepares the shut-down scripts. Each of the three steps
// runs even when the one before failed; nothing is raised.
void RegisterStartUp(cRegistry& registry);
void RegisterStartUp(cRegistry& registry, const std::string& programFolder);

// NT family: creates the shut-down command files once. In automatic mode it first undoes what
// the last exit installed (NT: removes "scripts.ini"; 9x: restores "c:\autoexec.bat" and
// removes the batch files). Raises at the first failing file operation.
void PrepareShutdownScripts(cRegistry& registry);

// At closing: installs the shut-down cleaning of the cache and history that are wanted (or
// removes it when neither is). Raises when a file cannot be written.
void InstallShutdownCleaning(cSettings& settings, cRegistry& registry);

// The short form of a folder with a backslash at its end; "" when it has none (the folder does
// not exist, or its short form does not fit 164 characters).
std::string GetShortPath(const std::string& folder);
