#include "clean/CleanItems.h"

std::int16_t CountSelectedItems(const cSettings& settings) {
    std::int16_t count = 0;
    for (const CleanItemInfo& info : kCleanItems) {
        if ((settings.*info.selected)() != kFalse) ++count;
    }
    return count;
}
