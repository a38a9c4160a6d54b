#include "clean/CleanItems.h"

const CleanItemInfo& ItemInfo(CleanItem item) {
    return kCleanItems[static_cast<std::size_t>(item)];
}

std::int16_t CountSelectedItems(const cSettings& settings) {
    std::int16_t count = 0;
    for (const CleanItemInfo& info : kCleanItems) {
        if ((settings.*info.selected)() != kFalse) ++count;
    }
    return count;
}

void WriteItemBlock(CleanItem item, std::string& report, const std::function<bool()>& body) {
    const CleanItemInfo& info = ItemInfo(item);
    WriteReportBlock(report, info.title, info.rule, body);
}

std::string CheckingCaption(const CleanItemInfo& info) {
    std::string caption = info.caption;
    const std::string cleaning = "Cleaning: ";
    if (caption.starts_with(cleaning)) caption.replace(0, cleaning.size(), "Checking: ");
    return caption;
}
