// Real files for tests and the end-to-end driver: folders made with their parents, whole files
// written and read, and a tree of folders and files stated in one table. Any failure to make
// what was asked throws std::runtime_error, so a test never goes on with a fixture half made.
#pragma once

#include <map>
#include <string>

void MakeFolder(const std::string& path);
// The folder and whichever of its parents are missing.
void MakeFolders(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);  // "" when it cannot be read
bool Exists(const std::string& path);

// A tree of folders and files below a root: relative path → bytes; a path that ends in "\\"
// is a folder. Builds the tree (the root and parents first) and reads it back whole, so that a
// test states what a folder holds before and after in one table.
using FileTree = std::map<std::string, std::string>;
void BuildTree(const std::string& root, const FileTree& tree);
FileTree ReadTree(const std::string& root);
