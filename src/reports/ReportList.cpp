#include "reports/ReportList.h"

std::string ReportEntryName(const std::string& fileName) {
    if (fileName.size() < 4) return fileName;
    return fileName.substr(0, fileName.size() - 4);
}

bool IsDeletedByDeleteAll(const std::string& fileName) {
    return fileName.size() >= 3 && fileName.compare(fileName.size() - 3, 3, "txt") == 0;
}
