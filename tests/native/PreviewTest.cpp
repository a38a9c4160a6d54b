// The preview's text without Windows: the "Found" and "Size" columns, the detail cap, and
// the preview text.
#include <gtest/gtest.h>

#include "clean/Findings.h"

namespace {

std::string Grouped(std::uint64_t n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
    return digits;
}
std::string Bytes(std::uint64_t n) { return Grouped(n) + " B"; }
const NumberFormats kFormats{Grouped, Bytes};

Findings Found(std::uint64_t files, std::uint64_t folders, std::uint64_t bytes) {
    Findings f;
    f.files = files, f.folders = folders, f.bytes = bytes;
    return f;
}

}  // namespace

TEST(PreviewColumns, FoundAndSizeSayWhatGoesAndWhatStays) {
    Findings cookies;
    cookies.cookies = 1234, cookies.sites = 3, cookies.sitesKept = 1;
    Findings history;
    history.pages = 100000, history.visits = 300000, history.pagesKept = 1000;
    history.rows = 5, history.running = true;
    Findings keptOnly;
    keptOnly.sitesKept = 2;
    Findings registry;
    registry.entries = 2;
    Findings whole;
    whole.uncounted = "every history entry";
    Findings mixed = Found(2, 0, 10);
    mixed.entries = 1;
    const struct {
        Findings findings;
        std::string found;
        std::string size;
    } cases[] = {
        {{}, "nothing to clean", ""},
        {Found(20000, 0, 1500), "20,000 files", "1,500 B"},
        {Found(3, 400, 0), "3 files, 400 folders", "0 B"},
        {registry, "2 entries", ""},
        {whole, "every history entry", ""},
        {mixed, "2 files; 1 entries", "10 B"},
        {cookies, "1,234 cookies of 3 sites; 1 sites kept", ""},
        {keptOnly, "nothing to clean; 2 sites kept", ""},
        {history,
         "100,000 pages, 300,000 visits; 5 other rows; 1,000 bookmarked pages kept"
         " (running - close it, then clean again)",
         ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoundText(c.findings, kFormats), c.found);
        EXPECT_EQ(SizeText(c.findings, kFormats), c.size) << c.found;
    }
}

TEST(PreviewDetails, LongListsStopAtTheLimitWithOneLineSayingHowManyMore) {
    Findings f;
    for (int i = 0; i < 1500; ++i) f.AddFile("C:\\t\\" + std::to_string(i), 1);
    f.AddKept("bank.test", "site to keep");
    const std::vector<std::string> lines = DetailLines(f, kFormats);
    ASSERT_EQ(lines.size(), kDetailLimit + 1);
    EXPECT_EQ(lines[kDetailLimit - 1], "C:\\t\\999");
    EXPECT_EQ(lines.back(), "... and 501 more");
    // Every file still counts, listed or not.
    EXPECT_EQ(FoundText(f, kFormats), "1,500 files");
    EXPECT_EQ(SizeText(f, kFormats), "1,500 B");
}

TEST(PreviewText, RowsDetailsTotalBetweenTheStartAndEndLines) {
    Findings temp;
    temp.AddFile("C:\\temp\\a.tmp", 1000);
    temp.AddFolder("C:\\temp\\sub");
    Findings cookies;
    cookies.cookies = 3, cookies.sites = 1, cookies.sitesKept = 1;
    cookies.AddLine("cookies of mail.example.com (3)");
    cookies.AddKept("bank.test", "site to keep");
    Findings files = Found(2, 0, 24);
    const std::vector<PreviewRow> rows = {
        {"Temp Files", temp}, {"Internet Cookies", cookies}, {"Recycle Bin", files}};
    EXPECT_EQ(PreviewText(rows, "10-Dec-2026 15:00:00", "10-Dec-2026 15:00:02", kFormats),
              "START OF PREVIEW: 10-Dec-2026 15:00:00\r\n"
              "Temp Files: 1 files, 1 folders (1,000 B)\r\n"
              "  C:\\temp\\a.tmp\r\n"
              "  C:\\temp\\sub\r\n"
              "Internet Cookies: 3 cookies of 1 sites; 1 sites kept\r\n"
              "  cookies of mail.example.com (3)\r\n"
              "  kept: bank.test (site to keep)\r\n"
              "Recycle Bin: 2 files (24 B)\r\n"
              "Total: 3 files, 1 folders (1,024 B)\r\n"
              "END OF PREVIEW: 10-Dec-2026 15:00:02\r\n");
}
