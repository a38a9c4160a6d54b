#include "clean/CleanRoutines.h"

void CleanOneItem(CleanItem item, CleanContext& /*context*/, std::string& /*report*/) {
    switch (item) {
        case CleanItem::RunHistory:
        case CleanItem::DocumentHistory:
        case CleanItem::FindSearchHistory:
        case CleanItem::TempFiles:
        case CleanItem::InternetCookies:
        case CleanItem::InternetHistory:
        case CleanItem::TempInternetFiles:
        case CleanItem::InternetURLHistory:
        case CleanItem::RecycleBin:
            // Items whose routine has not been built yet add nothing to the report.
            break;
    }
}
