// Find steps of files and folders: what a listing holds, added to the findings with each
// file's size from the listing itself, and the removal of a listing with the first failure
// raised at the end.
#pragma once

#include <string>

#include "clean/Findings.h"
#include "files/FileSystem.h"

// The folder with every file and folder below it.
void AddTree(const FolderTree& tree, Findings& findings);

// The listed files and every listed subfolder whole.
void AddContents(const FolderContents& contents, Findings& findings);

// A folder to be emptied but kept (only its files with `filesOnly`): its listing, or nothing
// when the folder is not there. Nothing is read twice: the removal works from this listing.
FolderContents FindFolderContents(const std::string& path, bool filesOnly, Findings& findings);

// Removes every listed item, each tried; the first failure is raised at the end.
void RemoveContents(const FolderContents& contents);
