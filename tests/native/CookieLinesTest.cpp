#include <gtest/gtest.h>

#include "cookies/CookieLines.h"

namespace {

struct FilterCase {
    const char* what;
    std::string input;
    KeepSet keep;
    std::optional<std::string> expected;
};

}  // namespace

TEST(CookieLines, FilterKeepsCommentsEmptyLinesAndExactlyTheKeptDomains) {
    const std::string header = "# Netscape HTTP Cookie File\r\n# comment\tWith tab\r\n";
    const FilterCase cases[] = {
        {"empty keep-list leaves comments and empty lines, LF ended",
         header + "\r\nsite.com\tFALSE\t/\tFALSE\t0\tid\t1\r\n",
         {},
         "# Netscape HTTP Cookie File\n# comment\tWith tab\n\n"},
        {"kept domain stays unchanged, in order",
         "a.com\tx\r\nb.com\ty\r\na.com\tz",
         {"a.com"},
         "a.com\tx\na.com\tz\n"},
        {"letter case counts", "Site.com\t1\nsite.com\t2\n", {"site.com"}, "site.com\t2\n"},
        {"a leading dot is part of the name", ".d.com\t1\nd.com\t2\n", {"d.com"}, "d.com\t2\n"},
        {"the entry with the dot keeps the dotted line",
         ".d.com\t1\nd.com\t2\n",
         {".d.com"},
         ".d.com\t1\n"},
        {"whole name against whole name", "ab.com\t1\na\t2\n", {"a", "b.com"}, "a\t2\n"},
        {"an empty name is a name", "\tx\n", {""}, "\tx\n"},
        {"a line without a TAB leaves the file as it was",
         "a.com\t1\nbroken line\n",
         {"a.com"},
         std::nullopt},
        {"a comment without a TAB is still a comment", "#HttpOnly_x\n", {}, "#HttpOnly_x\n"},
        {"empty file stays empty", "", {"a"}, ""},
        {"a lone CR line is empty", "\r\n\r\n", {}, "\n\n"},
        {"a CR inside a line stays", "a\tx\ry\r\r\n", {"a"}, "a\tx\ry\n"},
        {"a line without a TAB after kept ones still stops",
         "a\t1\n# c\n\na\t2\nlast",
         {"a"},
         std::nullopt},
        // Found by fuzzing: the CR stayed and the LF added after it made a different line.
        {"a CR ending the file ends the last line", "a\tv\r", {"a"}, "a\tv\n"},
        {"every CR before the LF is the line's end",
         "a\tv\r\r\nb\tw\r\r",
         {"a", "b"},
         "a\tv\nb\tw\n"},
    };
    for (const FilterCase& c : cases) {
        EXPECT_EQ(FilterCookieText(c.input, c.keep), c.expected) << c.what;
    }
}

TEST(CookieLines, ListingSkipsCommentsAndCountsLinesWithoutTab) {
    const std::string text =
        "# header\n\n.a.com\tTRUE\t/\tFALSE\t9\tn\tv\r\nnot a cookie\nb.com\tx\n.a.com\tsecond\n";
    CookieListing listing = ListCookies(text);
    ASSERT_EQ(listing.cookies.size(), 3u);
    EXPECT_EQ(listing.cookies[0].name, ".a.com");
    EXPECT_EQ(listing.cookies[0].line, ".a.com\tTRUE\t/\tFALSE\t9\tn\tv");
    EXPECT_EQ(listing.cookies[1].name, "b.com");
    EXPECT_EQ(listing.cookies[2].line, ".a.com\tsecond");
    EXPECT_EQ(listing.linesWithoutTab, 1u);
    EXPECT_TRUE(ListCookies("# only\n#comments\n").cookies.empty());
}

TEST(CookieLines, DetailsPutEachFieldOnItsOwnLine) {
    EXPECT_EQ(FormatCookieDetails(".a.com\tTRUE\t/\tFALSE\t1700000000\tid\tabc"),
              ".a.com\r\nTRUE\r\n/\r\nFALSE\r\n1700000000\r\nid\r\nabc");
    EXPECT_EQ(FormatCookieDetails("a\t\tb\t"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(FormatCookieDetails(std::string(40000, 'x')).size(), 32767u);
}

TEST(CookieLines, TabsAndLineEndsAreFoundAtEveryPositionOfALongLine) {
    // Bytes 0x89 and 0x8A differ from TAB and LF only in their high bit; each TAB and LF is
    // tried at every position of the first three eight-byte words after every shift.
    for (std::size_t shift = 0; shift < 8; ++shift) {
        const std::string comment = "#" + std::string(shift, '\x8a');
        for (std::size_t length = 0; length < 24; ++length) {
            const std::string name(length, '\x89');
            const std::string kept = name + "\t" + std::string(23 - length, '\x8a');
            const std::string other = name + "\x89\t" + std::string(length, '\x8a');
            const std::string text = comment + "\r\n" + kept + "\r\n" + other + "\n";
            const std::string where = std::to_string(shift) + "/" + std::to_string(length);
            EXPECT_EQ(CookieName(kept), std::optional<std::string_view>(name)) << where;
            EXPECT_EQ(FilterCookieText(text, {name}), comment + "\n" + kept + "\n") << where;
            EXPECT_EQ(FilterCookieText(comment + "\n" + name + "\x8a\n", {name}), std::nullopt)
                << where;  // a long line without a TAB
        }
    }
}
