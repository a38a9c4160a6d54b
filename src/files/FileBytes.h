// Whole files read byte for byte, and the test that tells whether another program holds a file
// open for writing (as a running browser holds its lock file).
#pragma once

#include <string>

// The file's bytes. Raises AppError (53 when it does not exist, 70 when it is locked).
std::string ReadFileBytes(const std::string& path);

// True when the file exists and cannot be opened for writing because another handle holds it
// without sharing writes. Opening for reading tells nothing: a browser shares reading of its
// lock file. The file is never changed.
bool IsHeldAgainstWriting(const std::string& path);
