#include "chromium/Bookmarks.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "chromium/ChromiumError.h"

namespace chromium {

namespace {

void AddUrl(const nlohmann::json& node, std::vector<std::string>& urls) {
    auto type = node.find("type");
    auto url = node.find("url");
    if (type != node.end() && *type == "url" && url != node.end() && url->is_string())
        urls.push_back(url->get<std::string>());
}

}  // namespace

std::vector<std::string> BookmarkedUrls(const std::string& content) {
    nlohmann::json file = nlohmann::json::parse(content, nullptr, false);
    auto roots = file.is_object() ? file.find("roots") : file.end();
    if (!file.is_object() || roots == file.end() || !roots->is_object())
        RaiseUnreadable("Bookmarks");
    // Depth-first with a stack of its own: a file nested deeper than the call stack allows
    // is read all the same.
    std::vector<const nlohmann::json*> pending;
    for (const nlohmann::json& root : *roots) pending.push_back(&root);
    std::vector<std::string> urls;
    while (!pending.empty()) {
        const nlohmann::json& node = *pending.back();
        pending.pop_back();
        if (!node.is_object()) continue;
        AddUrl(node, urls);
        auto children = node.find("children");
        if (children == node.end() || !children->is_array()) continue;
        for (const nlohmann::json& child : *children) pending.push_back(&child);
    }
    std::sort(urls.begin(), urls.end());
    urls.erase(std::unique(urls.begin(), urls.end()), urls.end());
    return urls;
}

}  // namespace chromium
