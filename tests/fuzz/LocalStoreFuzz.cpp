// The localstore.rdf filter: the lines holding "<RDF:li>" are dropped, every other line is kept
// with its bytes and in its order, ended by CR LF; the result holds no marker, so a second
// filter finds nothing to remove and changes nothing.
#include <vector>

#include "FuzzCheck.h"
#include "clean/LocalStoreFilter.h"

namespace {

// The file's lines, split independently of the filter: at each LF, less a CR just before it.
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') {
            line += text[i];
            continue;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text = TextOf(bytes, size);
    const LocalStoreText result = FilterLocalStore(text);
    std::string expected;
    bool marked = false;
    for (const std::string& line : LinesOf(text)) {
        if (line.find(kTypedUrlMarker) != std::string::npos) {
            marked = true;
            continue;
        }
        expected += line + "\r\n";
    }
    Require(result.found == marked, "found exactly when a line holds the marker");
    Require(result.kept == expected, "kept exactly the unmarked lines, each ended by CR LF");
    Require(result.kept.find(kTypedUrlMarker) == std::string::npos, "no marker remains");
    const LocalStoreText again = FilterLocalStore(result.kept);
    Require(!again.found && again.kept == result.kept, "a second filter changes nothing");
    return 0;
}
