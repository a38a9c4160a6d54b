// The pages bookmarked in a Chromium-family profile's `Bookmarks` file (JSON: "roots" → one
// folder per root, such as "bookmark_bar", "other" and "synced"; a folder's "children" hold
// entries of "type" "url", with the address in "url", and further folders).
#pragma once

#include <string>
#include <vector>

namespace chromium {

// The "url" of every url entry under every root, at every depth, sorted and without
// duplicates. Raises AppError when the content is not JSON or has no "roots" object, so that
// an unreadable file never counts as "nothing bookmarked".
std::vector<std::string> BookmarkedUrls(const std::string& content);

}  // namespace chromium
