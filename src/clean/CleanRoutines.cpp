#include "clean/CleanRoutines.h"

#include "clean/CookieCleaning.h"
#include "clean/GeneralCleaning.h"
#include "clean/InternetCleaning.h"
#include "settings/Boolean.h"

void CleanOneItem(CleanItem item, CleanContext& context, std::string& report) {
    switch (item) {
        case CleanItem::RunHistory:
            return CleanRunHistory(context.registry, report);
        case CleanItem::DocumentHistory:
            return CleanShellHistory(context.registry, report, kFalse);
        case CleanItem::FindSearchHistory:
            return CleanShellHistory(context.registry, report, kTrue);
        case CleanItem::TempFiles:
            return CleanTempFiles(context.registry, report);
        case CleanItem::RecycleBin:
            return EmptyRecycleBin(report);
        case CleanItem::InternetCookies:
            return CleanCookies(context.registry, report, context.browser, context.settings);
        case CleanItem::InternetHistory:
            return CleanInternetHistory(report, context.browser, context.profileFolder);
        case CleanItem::TempInternetFiles:
            return CleanTempInternetFiles(context.registry, report, context.browser,
                                          context.profileFolder);
        case CleanItem::InternetURLHistory:
            return CleanURLHistory(context.registry, report, context.browser,
                                   context.profileFolder);
    }
}
