#include "clean/CleanItems.h"
#include "clean/DeleteEach.h"
#include "clean/FoundFiles.h"
#include "clean/FoundItem.h"
#include "clean/GeneralCleaning.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"

FoundRow FindTempFiles() {
    Findings findings;
    FolderContents temp;
    FindFailure failure;
    failure.Catch(findings, [&] {
        const std::string path = TempFolderPath();
        if (IsProtectedFolder(path)) {
            throw AppError(err::kPathNotFound, "CleanTempFiles",
                           "The temporary folder " + path + " is not a folder of its own");
        }
        temp = ListFolderContents(path);
        AddContents(temp, findings);
    });
    return ItemRow(CleanItem::TempFiles, std::move(findings),
                   [failure, temp = std::move(temp)](std::string& report) {
                       failure.Rethrow();
                       // Subfolders first, each with everything in it, then the loose files.
                       DeleteEach(temp.folders, FolderInUseLine, report);
                       DeleteEach(temp.files, FileInUseLine, report);
                       return true;
                   });
}

void CleanTempFiles(cRegistry& /*registry*/, std::string& report) { FindTempFiles().clean(report); }
