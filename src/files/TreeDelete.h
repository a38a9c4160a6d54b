// Deleting files and whole folder trees. A junction or symbolic link met on the way (an entry
// with FILE_ATTRIBUTE_REPARSE_POINT) is never entered: the link itself is removed where the
// platform allows it and its target stays untouched. Paths of any length are handled.
#pragma once

#include <windows.h>

#include <string>

// Deletes one file whose attributes are known; with force a read-only file too. Raises
// AppError (70 when the file is in use, locked or read-only without force).
void DeleteFileEntry(const std::string& path, DWORD attributes, bool force);

// Deletes a folder with everything below it. A failure does not stop the walk: every other
// entry is still deleted, the folders above the failed entry stay, and the first failure is
// raised at the end. A folder that is itself a link is removed as a link only.
void DeleteFolderTree(const std::string& folder, bool force);
