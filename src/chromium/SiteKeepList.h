// The site keep-list of the browsers' cookies. An entry keeps a cookie host when, both
// lower-cased and without leading dots, the host equals the entry or ends with "." followed by
// the entry: "example.com" keeps "example.com", ".example.com" and "mail.example.com", never
// "notexample.com" or "example.com.evil.net". Strings are compared exactly ("_" and "%" are
// ordinary characters); an entry that is empty after the dots are removed keeps nothing.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace chromium {

// The host lower-cased (ASCII letters only, as host names in cookies are) and without its
// leading dots.
std::string NormalizedHost(const std::string& host);

class SiteKeepList {
  public:
    explicit SiteKeepList(const std::vector<std::string>& entries);
    // Looks up the host and each of its parent domains: the work grows with the host's
    // labels, not with the list.
    bool Keeps(const std::string& host) const;

  private:
    std::unordered_set<std::string> sites_;
};

}  // namespace chromium
