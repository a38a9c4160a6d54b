#include "clean/Findings.h"

namespace {

constexpr const char* kRunningNote = " (running - close it, then clean again)";

// "<n> <what>" with the count as the preview writes it.
std::string Counted(std::uint64_t n, const char* what, const NumberFormats& formats) {
    return formats.count(n) + " " + what;
}

void Join(std::string& text, const std::string& part) {
    if (!text.empty()) text += "; ";
    text += part;
}

std::string RemovedText(const Findings& f, const NumberFormats& formats) {
    std::string text;
    if (f.files != 0 || f.folders != 0) {
        std::string files = Counted(f.files, "files", formats);
        if (f.folders != 0) files += ", " + Counted(f.folders, "folders", formats);
        Join(text, files);
    }
    if (f.entries != 0) Join(text, Counted(f.entries, "entries", formats));
    if (f.cookies != 0) {
        Join(text,
             Counted(f.cookies, "cookies of", formats) + " " + Counted(f.sites, "sites", formats));
    }
    if (f.pages != 0 || f.visits != 0) {
        Join(text,
             Counted(f.pages, "pages,", formats) + " " + Counted(f.visits, "visits", formats));
    }
    if (f.rows != 0) Join(text, Counted(f.rows, "other rows", formats));
    if (!f.uncounted.empty()) Join(text, f.uncounted);
    return text;
}

}  // namespace

void Findings::AddFile(const std::string& path, std::uint64_t size) {
    ++files;
    bytes += size;
    AddLine(path);
}

void Findings::AddFolder(const std::string& path) {
    ++folders;
    AddLine(path);
}

void Findings::AddLine(std::string line) {
    if (found.size() + kept.size() < kDetailLimit) {
        found.push_back(std::move(line));
    } else {
        ++moreLines;
    }
}

void Findings::AddKept(const std::string& thing, const std::string& reason) {
    if (found.size() + kept.size() < kDetailLimit) {
        kept.push_back(thing + " (" + reason + ")");
    } else {
        ++moreLines;
    }
}

void Findings::Add(const Findings& part) {
    files += part.files;
    folders += part.folders;
    bytes += part.bytes;
    entries += part.entries;
    rows += part.rows;
    cookies += part.cookies;
    sites += part.sites;
    sitesKept += part.sitesKept;
    pages += part.pages;
    visits += part.visits;
    pagesKept += part.pagesKept;
    running = running || part.running;
    for (const std::string& line : part.found) AddLine(line);
    for (const std::string& line : part.kept) {
        if (found.size() + kept.size() < kDetailLimit) {
            kept.push_back(line);
        } else {
            ++moreLines;
        }
    }
    moreLines += part.moreLines;
}

std::string FoundText(const Findings& f, const NumberFormats& formats) {
    std::string text = RemovedText(f, formats);
    if (text.empty()) text = "nothing to clean";
    if (f.sitesKept != 0) Join(text, Counted(f.sitesKept, "sites kept", formats));
    if (f.pagesKept != 0) Join(text, Counted(f.pagesKept, "bookmarked pages kept", formats));
    if (f.running) text += kRunningNote;
    return text;
}

std::string SizeText(const Findings& f, const NumberFormats& formats) {
    return f.files == 0 ? std::string() : formats.bytes(f.bytes);
}

std::vector<std::string> DetailLines(const Findings& f, const NumberFormats& formats) {
    std::vector<std::string> lines = f.found;
    for (const std::string& kept : f.kept) lines.push_back("kept: " + kept);
    if (f.moreLines != 0) lines.push_back("... and " + formats.count(f.moreLines) + " more");
    return lines;
}

Findings TotalOf(const std::vector<PreviewRow>& rows) {
    Findings total;
    for (const PreviewRow& row : rows) {
        total.files += row.findings.files;
        total.folders += row.findings.folders;
        total.bytes += row.findings.bytes;
    }
    return total;
}

std::string PreviewText(const std::vector<PreviewRow>& rows, const std::string& start,
                        const std::string& end, const NumberFormats& formats) {
    const std::string crlf = "\r\n";
    std::string text = "START OF PREVIEW: " + start + crlf;
    auto row = [&](const std::string& name, const Findings& f) {
        text += name + ": " + FoundText(f, formats);
        if (f.files != 0) text += " (" + SizeText(f, formats) + ")";
        text += crlf;
    };
    for (const PreviewRow& each : rows) {
        row(each.name, each.findings);
        for (const std::string& line : DetailLines(each.findings, formats)) {
            text += "  " + line + crlf;
        }
    }
    row("Total", TotalOf(rows));
    return text + "END OF PREVIEW: " + end + crlf;
}
