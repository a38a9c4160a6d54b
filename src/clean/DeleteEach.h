// Deleting the items of a folder one by one, as the cleaning routines do: an item in use
// (error 70) gets its line in the report and the walk goes on; any other failure ends it.
#pragma once

#include <string>
#include <vector>

#include "platform/AppError.h"

template <typename Item>
void DeleteEach(const std::vector<Item>& items, std::string (*inUseLine)(const std::string&),
                std::string& report) {
    for (const Item& item : items) {
        try {
            item.Delete(true);
        } catch (const AppError& failure) {
            if (failure.Number() != err::kPermissionDenied) throw;
            report += inUseLine(item.Name());
        }
    }
}
