#include "clean/GeneralCleaning.h"
#include "clean/ReportText.h"
#include "platform/AppError.h"
#include "platform/System.h"

void EmptyRecycleBin(std::string& report) {
    report += ReportLine("Cleaning Recycle Bin");
    try {
        EmptyRecycleBinAllDrives();  // an empty bin is no failure: the result is not looked at
        report += ReportLine(kCompleted);
    } catch (const AppError& failure) {
        report += ErrorLine(failure.Description());
    }
}
