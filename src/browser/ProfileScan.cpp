#include "browser/ProfileScan.h"

#include <cstring>

namespace {

constexpr const char* kFolderEnding = ".slt";
// The longest path the system accepts; a longer one cannot name a folder.
constexpr std::size_t kLongestPath = 32767;

// Finds the first ".slt" at or after a position. Successive searches from growing positions
// reuse the last answer, so a whole scan reads the content once.
class EndingFinder {
  public:
    explicit EndingFinder(const std::string& content) : content_(content) {}

    std::size_t From(std::size_t position) {
        if (!searched_ || found_ < position || position < from_) {
            from_ = position;
            found_ = position > content_.size() ? std::string::npos
                                                : content_.find(kFolderEnding, position);
            searched_ = true;
        }
        return found_;
    }

  private:
    const std::string& content_;
    bool searched_ = false;
    std::size_t from_ = 0;
    std::size_t found_ = std::string::npos;
};

// The folder after the keyword at the 0-based index `keyword`.
std::optional<std::string> FolderAfter(const std::string& content, std::size_t keyword,
                                       EndingFinder& endings) {
    std::size_t start = keyword + std::strlen(kProfileKeyword) + 1;
    while (start < content.size() && content[start] == ' ') ++start;
    if (start >= content.size()) return std::nullopt;
    std::size_t ending = endings.From(start + 1);
    if (ending == std::string::npos) return std::nullopt;
    std::size_t length = ending + std::strlen(kFolderEnding) - start;
    if (length > kLongestPath) return std::nullopt;
    return content.substr(start, length);
}

}  // namespace

std::optional<std::string> ExtractProfileFolder(const std::string& content,
                                                std::size_t keywordPosition) {
    if (keywordPosition == 0 || keywordPosition > content.size()) return std::nullopt;
    EndingFinder endings(content);
    return FolderAfter(content, keywordPosition - 1, endings);
}

std::optional<std::string> ProfileNameFromFolder(const std::string& folder) {
    std::size_t last = folder.rfind('\\');
    if (last == std::string::npos || last == 0) return std::nullopt;
    std::size_t before = folder.rfind('\\', last - 1);
    if (before == std::string::npos) return std::nullopt;
    return folder.substr(before + 1, last - before - 1);
}

ProfileScanResult ScanProfileContent(const std::string& content) {
    ProfileScanResult result;
    EndingFinder endings(content);
    for (std::size_t at = content.find(kProfileKeyword); at != std::string::npos;
         at = content.find(kProfileKeyword, at + 1)) {
        std::optional<std::string> folder = FolderAfter(content, at, endings);
        if (!folder) continue;
        std::optional<std::string> name = ProfileNameFromFolder(*folder);
        if (!name) {
            result.stoppedAtNamelessFolder = true;
            break;
        }
        result.found.push_back({*name, *folder});
    }
    return result;
}
