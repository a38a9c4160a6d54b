#include "clean/CleanRoutines.h"

#include "clean/CookieCleaning.h"
#include "clean/GeneralCleaning.h"
#include "clean/InternetCleaning.h"
#include "settings/Boolean.h"

namespace {

std::vector<FoundRow> Rows(FoundRow row) {
    std::vector<FoundRow> rows;
    rows.push_back(std::move(row));
    return rows;
}
std::vector<FoundRow> Rows(std::vector<FoundRow> rows) { return rows; }

}  // namespace

// Each item's find step, as its row in the table of items calls it.
std::vector<FoundRow> FindOneItem(CleanItem item, CleanContext& c) {
#define BRISVANE_CLEAN_ITEM_CALL(item, setting, caption, title, rule, find) \
    case CleanItem::item:                                                   \
        return Rows(find);
    switch (item) { BRISVANE_CLEAN_ITEMS(BRISVANE_CLEAN_ITEM_CALL) }
#undef BRISVANE_CLEAN_ITEM_CALL
    return {};
}

void CleanOneItem(CleanItem item, CleanContext& context, std::string& report) {
    for (FoundRow& row : FindOneItem(item, context)) row.clean(report);
}
