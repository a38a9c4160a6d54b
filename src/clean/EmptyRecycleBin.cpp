#include "clean/CleanItems.h"
#include "clean/GeneralCleaning.h"
#include "platform/System.h"

void EmptyRecycleBin(std::string& report) {
    WriteItemBlock(CleanItem::RecycleBin, report, [] {
        EmptyRecycleBinAllDrives();  // an empty bin is no failure: the result is not looked at
        return true;
    });
}
