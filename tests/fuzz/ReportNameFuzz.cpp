// Report file names as the reports window lists and picks them: any name found in the
// Reports folder (the user can put any file there) gives an entry without fault, the entry of
// a report is its name without ".txt", and "Delete All" picks exactly the names ending "txt".
#include "FuzzCheck.h"
#include "reports/ReportList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string name = TextOf(bytes, size);
    const std::string entry = ReportEntryName(name);
    Require(name.compare(0, entry.size(), entry) == 0, "the entry begins the name");
    Require(entry.size() == (name.size() < 4 ? name.size() : name.size() - 4),
            "the entry drops four characters when it can");
    Require(ReportEntryName(entry + ".txt") == entry, "a report's entry is its name less .txt");
    Require(IsDeletedByDeleteAll(entry + ".txt"), "Delete All removes every report");
    Require(!IsDeletedByDeleteAll(name + ".TXT") && !IsDeletedByDeleteAll(name + ".tx"),
            "Delete All compares the ending exactly");
    return 0;
}
