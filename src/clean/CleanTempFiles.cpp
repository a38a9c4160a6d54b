#include "clean/DeleteEach.h"
#include "clean/GeneralCleaning.h"
#include "clean/ReportText.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/System.h"

void CleanTempFiles(cRegistry& /*registry*/, std::string& report) {
    report += ReportLine("Cleaning Temp Files");
    try {
        const std::string path = TempFolderPath();
        if (IsProtectedFolder(path)) {
            report += ErrorLine("The temporary folder " + path + " is not a folder of its own");
            return;
        }
        const Folder temp = GetFolder(path);
        // Subfolders first, each with everything in it, then the loose files.
        DeleteEach(temp.SubFolders(), FolderInUseLine, report);
        DeleteEach(temp.Files(), FileInUseLine, report);
        report += ReportLine(kCompleted);
    } catch (const AppError& failure) {
        report += ErrorLine(failure.Description());
    } catch (const std::exception& failure) {
        report += ErrorLine(failure.what());
    }
}
