#include "clean/CleanItems.h"
#include "clean/DeleteEach.h"
#include "clean/GeneralCleaning.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"

void CleanTempFiles(cRegistry& /*registry*/, std::string& report) {
    WriteItemBlock(CleanItem::TempFiles, report, [&] {
        const std::string path = TempFolderPath();
        if (IsProtectedFolder(path)) {
            throw AppError(err::kPathNotFound, "CleanTempFiles",
                           "The temporary folder " + path + " is not a folder of its own");
        }
        const Folder temp = GetFolder(path);
        // Subfolders first, each with everything in it, then the loose files.
        DeleteEach(temp.SubFolders(), FolderInUseLine, report);
        DeleteEach(temp.Files(), FileInUseLine, report);
        return true;
    });
}
