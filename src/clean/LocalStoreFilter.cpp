#include "clean/LocalStoreFilter.h"

LocalStoreText FilterLocalStore(const std::string& text) {
    LocalStoreText result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t next = lf == std::string::npos ? text.size() : lf + 1;
        std::size_t end = lf == std::string::npos ? text.size() : lf;
        if (lf != std::string::npos && end > start && text[end - 1] == '\r') --end;
        const std::string line = text.substr(start, end - start);
        if (line.find(kTypedUrlMarker) != std::string::npos) {
            result.found = true;
        } else {
            result.kept += line;
            result.kept += "\r\n";
        }
        start = next;
    }
    return result;
}
