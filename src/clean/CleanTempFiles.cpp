#include "clean/GeneralCleaning.h"
#include "clean/ReportText.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"

namespace {

bool IsInUse(const AppError& failure) { return failure.Number() == err::kPermissionDenied; }

// A subfolder that cannot go because something in it is in use gets its "Folder: " line.
void DeleteSubFolders(const Folder& temp, std::string& report) {
    for (const Folder& folder : temp.SubFolders()) {
        try {
            folder.Delete(true);
        } catch (const AppError& failure) {
            if (!IsInUse(failure)) throw;
            report += FolderInUseLine(folder.Name());
        }
    }
}

void DeleteLooseFiles(const Folder& temp, std::string& report) {
    for (const File& file : temp.Files()) {
        try {
            file.Delete(true);
        } catch (const AppError& failure) {
            if (!IsInUse(failure)) throw;
            report += FileInUseLine(file.Name());
        }
    }
}

}  // namespace

void CleanTempFiles(cRegistry& /*registry*/, std::string& report) {
    report += ReportLine("Cleaning Temp Files");
    try {
        const std::string path = TempFolderPath();
        if (IsProtectedFolder(path)) {
            report += ErrorLine("The temporary folder " + path + " is not a folder of its own");
            return;
        }
        const Folder temp = GetFolder(path);
        DeleteSubFolders(temp, report);
        DeleteLooseFiles(temp, report);
        report += ReportLine(kCompleted);
    } catch (const AppError& failure) {
        report += ErrorLine(failure.Description());
    } catch (const std::exception& failure) {
        report += ErrorLine(failure.what());
    }
}
