#include "clean/FoundFiles.h"

#include "clean/FirstFailure.h"
#include "platform/AppError.h"

void AddTree(const FolderTree& tree, Findings& findings) {
    for (const FolderTree::Entry& entry : tree.Entries()) {
        if (entry.IsFolder()) {
            findings.AddFolder(entry.path);
        } else {
            findings.AddFile(entry.path, entry.size);
        }
    }
    findings.AddFolder(tree.Path());
}

void AddContents(const FolderContents& contents, Findings& findings) {
    for (const FolderTree& tree : contents.folders) AddTree(tree, findings);
    for (const File& file : contents.files) findings.AddFile(file.Path(), file.Size());
}

FolderContents FindFolderContents(const std::string& path, bool filesOnly, Findings& findings) {
    if (!FolderExists(path)) return {};
    FolderContents contents = ListFolderContents(path, filesOnly);
    AddContents(contents, findings);
    return contents;
}

void RemoveContents(const FolderContents& contents) {
    FirstFailure failure;
    for (const File& file : contents.files) failure.Attempt([&] { file.Delete(true); });
    for (const FolderTree& sub : contents.folders) failure.Attempt([&] { sub.Delete(true); });
    failure.Raise();
}
