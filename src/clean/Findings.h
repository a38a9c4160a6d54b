// What an item's find step found: what its clean step would remove now, counted the way the
// preview shows it, and what it keeps with the reason. The lines are the preview's details:
// full file paths, registry values with their key, table rows, cookies per site, kept things.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::size_t kDetailLimit = 1000;

struct Findings {
    std::uint64_t files = 0;
    std::uint64_t folders = 0;
    std::uint64_t bytes = 0;    // of the files that would go
    std::uint64_t entries = 0;  // registry values and other single entries
    std::uint64_t rows = 0;     // database rows that are not pages, visits or cookies
    std::uint64_t cookies = 0;
    std::uint64_t sites = 0;
    std::uint64_t sitesKept = 0;
    std::uint64_t pages = 0;
    std::uint64_t visits = 0;
    std::uint64_t pagesKept = 0;  // bookmarked pages
    bool running = false;         // a browser holds the profile: the clean would skip it
    std::string uncounted;        // what goes whole without a count ("every history entry")
    std::vector<std::string> found;
    std::vector<std::string> kept;  // "<thing> (<reason>)", shown after "kept: "
    std::uint64_t moreLines = 0;    // found or kept lines beyond kDetailLimit, not stored

    void AddFile(const std::string& path, std::uint64_t size);
    void AddFolder(const std::string& path);
    void AddLine(std::string line);
    void AddKept(const std::string& thing, const std::string& reason);
    void Add(const Findings& part);
};

// How the preview writes a count and a number of bytes ("12,944", "1.5 MB").
struct NumberFormats {
    std::string (*count)(std::uint64_t);
    std::string (*bytes)(std::uint64_t);
};

// The "Found" column: "<n> files, <m> folders; <k> entries; <c> cookies of <s> sites; ...",
// "nothing to clean" when nothing would go, and the running note.
std::string FoundText(const Findings& findings, const NumberFormats& formats);

// The "Size" column: the bytes of the files that would go, "" when no file would.
std::string SizeText(const Findings& findings, const NumberFormats& formats);

// The details: the found lines, then "kept: ..." lines, at most kDetailLimit of them, and then
// one line saying how many more there are.
std::vector<std::string> DetailLines(const Findings& findings, const NumberFormats& formats);

// One row of a preview: the item (or profile) and what its find step found.
struct PreviewRow {
    std::string name;
    Findings findings;
};

// The files and bytes of every row together.
Findings TotalOf(const std::vector<PreviewRow>& rows);

// The preview as text, CR LF after each line: "START OF PREVIEW: <start>", per row
// "<name>: <found>" (" (<size>)" when files go) and its details indented by two spaces, then
// "Total: ..." and "END OF PREVIEW: <end>".
std::string PreviewText(const std::vector<PreviewRow>& rows, const std::string& start,
                        const std::string& end, const NumberFormats& formats);
