#include <gtest/gtest.h>

#include <chrono>

#include "browser/ProfileScan.h"

namespace {

// A few bytes of the binary structure around each entry of a real profile registry file.
std::string Entry(const std::string& folder) {
    return std::string("\x01\x00name\x00", 7) + "directory" + std::string("\x00", 1) + folder +
           std::string("\x00\x02\x10", 3);
}

const std::string kDefault =
    "C:\\Documents and Settings\\ann\\Application Data\\Mozilla\\Profiles\\default\\x1y2z3.slt";

std::vector<std::pair<std::string, std::string>> Found(const ProfileScanResult& scan) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const NSProfile& p : scan.found) found.emplace_back(p.name, p.folder);
    return found;
}

}  // namespace

TEST(ProfileScan, CraftedContents) {
    using Found_ = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        const char* what;
        std::string content;
        Found_ found;
        bool stopped;
    } cases[] = {
        {"default profile", Entry(kDefault), {{"default", kDefault}}, false},
        {"two profiles in order",
         Entry("C:\\p\\work\\a.slt") + Entry("C:\\p\\home\\b.slt"),
         {{"work", "C:\\p\\work\\a.slt"}, {"home", "C:\\p\\home\\b.slt"}},
         false},
        {"any character after the keyword, then blanks",
         "directoryX   C:\\p\\q\\r.slt",
         {{"q", "C:\\p\\q\\r.slt"}},
         false},
        {"upper-case keyword", Entry("C:\\p\\a\\b.slt").replace(7, 9, "DIRECTORY"), {}, false},
        {"upper-case ending", Entry("C:\\p\\a\\b.SLT"), {}, false},
        {"keyword without ending", Entry("C:\\p\\a\\b.txt"), {}, false},
        {"keyword at the very end", "xx directory", {}, false},
        {"keyword and one character at the end", "xx directory=", {}, false},
        {"keyword and blanks at the end", "xx directory=   ", {}, false},
        {"ending right after the keyword's character", "directory=.slt", {}, false},
        {"fewer than two backslashes stops the scan",
         Entry("C:\\p\\one\\a.slt") + Entry("C:a.slt") + Entry("C:\\p\\two\\b.slt"),
         {{"one", "C:\\p\\one\\a.slt"}},
         true},
        {"one backslash stops the scan", Entry("C:\\a.slt"), {}, true},
        {"adjacent backslashes give an empty name",
         Entry("C:\\p\\\\a.slt"),
         {{"", "C:\\p\\\\a.slt"}},
         false},
        {"a keyword inside an extracted path is examined too",
         Entry("D:\\directory\\Mozilla\\Profiles\\x\\a.slt"),
         {{"x", "D:\\directory\\Mozilla\\Profiles\\x\\a.slt"},
          {"x", "Mozilla\\Profiles\\x\\a.slt"}},
         false},
        {"the ending is the first one after the path's start",
         "directory C:\\p\\q\\a.slt\\r\\b.slt",
         {{"q", "C:\\p\\q\\a.slt"}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileScanResult scan = ScanProfileContent(c.content);
        EXPECT_EQ(Found(scan), c.found);
        EXPECT_EQ(scan.stoppedAtNamelessFolder, c.stopped);
    }
}

TEST(ProfileScan, ExtractAndNameAtOneBasedPositions) {
    const std::string content = "..directory  C:\\a\\b\\c.slt";
    EXPECT_EQ(ExtractProfileFolder(content, 3), "C:\\a\\b\\c.slt");
    EXPECT_EQ(ExtractProfileFolder(content, 0), std::nullopt);
    EXPECT_EQ(ExtractProfileFolder(content, content.size() + 1), std::nullopt);
    EXPECT_EQ(ExtractProfileFolder(content, content.size()), std::nullopt);
    struct Case {
        const char* folder;
        std::optional<std::string> name;
    } names[] = {
        {"C:\\a\\b\\c.slt", "b"},   {"\\\\c.slt", ""},         {"\\b\\c.slt", "b"},
        {"b\\c.slt", std::nullopt}, {"\\c.slt", std::nullopt}, {"c.slt", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : names) EXPECT_EQ(ProfileNameFromFolder(c.folder), c.name) << c.folder;
}

// Millions of characters with a keyword every few bytes: a scan that searched the rest of the
// content again for each keyword, or copied ever longer paths, would not end for hours.
TEST(ProfileScan, LargeContentsAreScannedInLinearTime) {
    const std::string noEnding(4 << 20, ' ');
    std::string keywords;
    while (keywords.size() < (4u << 20)) keywords += "directory ";
    const std::string cases[] = {
        noEnding + Entry("C:\\p\\last\\a.slt"),
        keywords,
        keywords + "C:\\p\\far\\a.slt",
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Found(ScanProfileContent(cases[0])).size(), 1u);
    EXPECT_TRUE(ScanProfileContent(cases[1]).found.empty());
    ProfileScanResult far = ScanProfileContent(cases[2]);
    ASSERT_FALSE(far.found.empty());
    EXPECT_EQ(far.found.back().folder, "C:\\p\\far\\a.slt");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}
