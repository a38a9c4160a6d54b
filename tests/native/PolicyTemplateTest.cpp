// The administrative template read as Group Policy reads it, with a real XML parser: it names
// the values and keys of the program's policy table, and every reference in it resolves.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpathInternals.h>

#include <memory>
#include <regex>
#include <set>
#include <string>

#include "settings/PolicyTable.h"

namespace {

using Doc = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

Doc Parse(const std::string& file) {
    return {xmlReadFile((std::string(BRISVANE_POLICIES) + file).c_str(), nullptr, XML_PARSE_NONET),
            xmlFreeDoc};
}

// The values of an attribute (or, for "", the text) of the elements an XPath query selects;
// "p:" is the template's namespace.
std::multiset<std::string> Select(const Doc& doc, const std::string& query,
                                  const std::string& attribute = "") {
    std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
        xmlXPathNewContext(doc.get()), xmlXPathFreeContext);
    xmlXPathRegisterNs(context.get(), BAD_CAST "p",
                       BAD_CAST
                       "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions");
    std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> found(
        xmlXPathEvalExpression(BAD_CAST query.c_str(), context.get()), xmlXPathFreeObject);
    std::multiset<std::string> values;
    for (int i = 0; found && found->nodesetval && i < found->nodesetval->nodeNr; ++i) {
        xmlNode* node = found->nodesetval->nodeTab[i];
        xmlChar* value = attribute.empty() ? xmlNodeGetContent(node)
                                           : xmlGetProp(node, BAD_CAST attribute.c_str());
        values.insert(value != nullptr ? reinterpret_cast<const char*>(value) : "<none>");
        xmlFree(value);
    }
    return values;
}

std::set<std::string> Distinct(const std::multiset<std::string>& values) {
    return {values.begin(), values.end()};
}

TEST(PolicyTemplate, NamesTheValuesAndKeysOfThePolicyTable) {
    const Doc admx = Parse("/Brisvane.admx");
    ASSERT_TRUE(admx);
    std::multiset<std::string> table;
    for (const PolicyInfo& policy : kPolicies) table.insert(policy.name);
    EXPECT_EQ(Select(admx, "//p:policy[@valueName]", "valueName"), table);
    EXPECT_EQ(Distinct(Select(admx, "//p:policy", "key")),
              std::set<std::string>{regpath::kPolicies});
    // The list writes its sites as "1", "2", ... into the key the program reads.
    EXPECT_EQ(Select(admx, "//p:policy[@name='SitesToKeep']/p:elements/p:list", "key"),
              std::multiset<std::string>{regpath::kSitesToKeep});
    EXPECT_EQ(Select(admx, "//p:list", "valuePrefix"), std::multiset<std::string>{""});
}

// Group Policy refuses a template whose references do not all resolve.
TEST(PolicyTemplate, EveryStringAndPresentationReferenceResolves) {
    const Doc admx = Parse("/Brisvane.admx"), adml = Parse("/en-US/Brisvane.adml");
    ASSERT_TRUE(admx && adml);
    const std::set<std::string> tables[] = {
        Distinct(Select(adml, "//p:stringTable/p:string", "id")),
        Distinct(Select(adml, "//p:presentation", "id"))};
    const std::regex reference(R"(\$\((string|presentation)\.([^)]+)\))");
    std::multiset<std::string> references = Select(admx, "//*[@displayName]", "displayName");
    references.merge(Select(admx, "//*[@explainText]", "explainText"));
    references.merge(Select(admx, "//*[@presentation]", "presentation"));
    EXPECT_EQ(references.size(), 5 + 2 * std::size(kPolicies) + 3);  // categories, flags, list
    for (const std::string& text : references) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, reference)) << text;
        EXPECT_TRUE(tables[m[1] == "string" ? 0 : 1].count(m[2])) << text;
    }
    EXPECT_EQ(Select(adml, "//p:presentation/p:listBox", "refId"),
              Select(admx, "//p:elements/p:list", "id"));
}

}  // namespace
