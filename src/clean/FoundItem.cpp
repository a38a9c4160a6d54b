#include "clean/FoundItem.h"

#include <string_view>

namespace {

constexpr std::string_view kCleaning = "Cleaning ";

std::string RowName(const char* title) {
    std::string_view name = title;
    if (name.starts_with(kCleaning)) name.remove_prefix(kCleaning.size());
    return std::string(name);
}

}  // namespace

FoundRow ItemRow(CleanItem item, Findings findings, std::function<bool(std::string& report)> body) {
    return FoundRow{RowName(ItemInfo(item).title), std::move(findings),
                    [item, body = std::move(body)](std::string& report) {
                        WriteItemBlock(item, report, [&] { return body(report); });
                    }};
}

void FindFailure::Catch(Findings& findings, const std::function<void()>& find) {
    try {
        find();
    } catch (const std::exception& failure) {
        failure_ = std::current_exception();
        findings.AddLine(std::string("Error: ") + failure.what());
    }
}
