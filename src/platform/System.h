// System services of the platform used by start-up and cleaning.
#pragma once

#include <string>

// GetVersionExA with a record of size 148 and every other field zero; returns dwPlatformId,
// which stays 0 when the call fails.
unsigned long QueryPlatformId();

// The command line of the process as the system gives it.
std::string ProcessCommandLine();

// The folder that holds the running executable, without a trailing backslash.
std::string ProgramFolder();

// The running executable's file name without folder and extension.
std::string ProgramName();
