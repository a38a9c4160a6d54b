#include "clean/CleanItems.h"
#include "clean/FoundItem.h"
#include "clean/GeneralCleaning.h"
#include "platform/System.h"

// The bins are emptied whole by the shell, which alone knows their files: the find step
// counts what they hold.
FoundRow FindRecycleBin() {
    Findings findings;
    std::uint64_t items = 0;
    std::uint64_t bytes = 0;
    if (QueryRecycleBins(items, bytes) && items != 0) {
        findings.files = items;
        findings.bytes = bytes;
        findings.AddLine("Recycle Bin: every deleted file of every drive");
    }
    return ItemRow(CleanItem::RecycleBin, std::move(findings), [](std::string&) {
        EmptyRecycleBinAllDrives();  // an empty bin is no failure: the result is not looked at
        return true;
    });
}

void EmptyRecycleBin(std::string& report) { FindRecycleBin().clean(report); }
