// Deleting files and whole folder trees. A junction or symbolic link met on the way (an entry
// with FILE_ATTRIBUTE_REPARSE_POINT) is never entered: the link itself is removed where the
// platform allows it and its target stays untouched. Paths of any length are handled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "files/FileSystem.h"

// Deletes one file whose attributes are known; with force a read-only file too. Raises
// AppError (70 when the file is in use, locked or read-only without force).
void DeleteFileEntry(const std::string& path, DWORD attributes, bool force);

// Deletes a folder with everything below it. A failure does not stop the walk: every other
// entry is still deleted, the folders above the failed entry stay, and the first failure is
// raised at the end. A folder that is itself a link is removed as a link only.
void DeleteFolderTree(const std::string& folder, bool force);

// The listing FolderTree keeps: every entry below `folder` in one walk, each after the folder
// that holds it, links listed but never entered; the listed folder's own index is the final
// count of entries. Answers 0, or the system's code when `folder` itself could not be read.
DWORD ListFolderTree(const std::string& folder, std::vector<FolderTree::Entry>& entries);

// Removes the listed entries, the deepest first, then the folder (with `folderAttributes`).
// Raises as DeleteFolderTree does.
void DeleteListedTree(const std::string& folder, DWORD folderAttributes, DWORD folderReadError,
                      const std::vector<FolderTree::Entry>& entries, bool force);
