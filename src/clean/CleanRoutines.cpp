#include "clean/CleanRoutines.h"

#include "clean/GeneralCleaning.h"

void CleanOneItem(CleanItem item, CleanContext& context, std::string& report) {
    switch (item) {
        case CleanItem::TempFiles:
            return CleanTempFiles(context.registry, report);
        case CleanItem::RecycleBin:
            return EmptyRecycleBin(report);
        case CleanItem::RunHistory:
        case CleanItem::DocumentHistory:
        case CleanItem::FindSearchHistory:
        case CleanItem::InternetCookies:
        case CleanItem::InternetHistory:
        case CleanItem::TempInternetFiles:
        case CleanItem::InternetURLHistory:
            // Items whose routine has not been built yet add nothing to the report.
            break;
    }
}
