// Removing the typed addresses from a Netscape/Mozilla "localstore.rdf": every line that holds
// the marker "<RDF:li>" anywhere (case-sensitive) is dropped whole, every other line is kept in
// its order and ended by CR LF, whatever line ends the file had.
#pragma once

#include <string>

inline constexpr const char* kTypedUrlMarker = "<RDF:li>";

struct LocalStoreText {
    bool found = false;  // some line held the marker, so the file is to be rewritten
    std::string kept;    // the lines without the marker, each followed by CR LF
};

// Lines end at LF, a CR just before it belongs to the line end; a last line without an end is
// a line too.
LocalStoreText FilterLocalStore(const std::string& text);
