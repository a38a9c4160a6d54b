#include <gtest/gtest.h>

#include "clean/LocalStoreFilter.h"

TEST(LocalStoreFilterTest, MarkerLinesGoWholeAndTheRestEndsWithCrLf) {
    struct Case {
        const char* name;
        std::string text;
        bool found;
        std::string kept;
    } cases[] = {
        {"empty file", "", false, ""},
        {"no marker, LF ends", "<RDF:RDF>\n<x/>\n", false, "<RDF:RDF>\r\n<x/>\r\n"},
        {"no marker, last line unended", "a\r\nb", false, "a\r\nb\r\n"},
        {"lower-case marker is no marker", "<rdf:li>x</rdf:li>\n", false, "<rdf:li>x</rdf:li>\r\n"},
        {"marker alone", "<RDF:Seq>\r\n<RDF:li>\r\n</RDF:Seq>\r\n", true,
         "<RDF:Seq>\r\n</RDF:Seq>\r\n"},
        {"marker inside other text drops the line",
         "a\n  <RDF:li resource=\"x\"/><RDF:li>http://typed/</RDF:li>\nb\n", true, "a\r\nb\r\n"},
        {"marker on the unended last line", "a\n<RDF:li>", true, "a\r\n"},
        {"CR inside a line stays", "a\rb\n<RDF:li>\n", true, "a\rb\r\n"},
        {"empty lines are kept", "\n\r\n<RDF:li>\n\n", true, "\r\n\r\n\r\n"},
        {"only markers", "<RDF:li>1\n<RDF:li>2\n", true, ""},
    };
    for (const Case& c : cases) {
        const LocalStoreText result = FilterLocalStore(c.text);
        EXPECT_EQ(result.found, c.found) << c.name;
        EXPECT_EQ(result.kept, c.kept) << c.name;
    }
}
