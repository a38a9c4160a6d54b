#include "clean/CleanRoutines.h"

#include "clean/CookieCleaning.h"
#include "clean/GeneralCleaning.h"
#include "clean/InternetCleaning.h"
#include "settings/Boolean.h"

// Each item's routine, as its row in the table of items calls it.
void CleanOneItem(CleanItem item, CleanContext& c, std::string& r) {
#define BRISVANE_CLEAN_ITEM_CALL(item, setting, caption, title, rule, routine) \
    case CleanItem::item:                                                      \
        return routine;
    switch (item) { BRISVANE_CLEAN_ITEMS(BRISVANE_CLEAN_ITEM_CALL) }
#undef BRISVANE_CLEAN_ITEM_CALL
}
