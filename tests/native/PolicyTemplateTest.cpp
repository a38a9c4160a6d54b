// The administrative template read as Group Policy reads it, with a real XML parser: it and the
// program's policy table name the same values and keys, and every reference resolves.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "settings/PolicyTable.h"

namespace {

using Attributes = std::map<std::string, std::string>;

// One parsed file and XPath queries over it in the template's namespace (prefix "p").
class XmlFile {
  public:
    explicit XmlFile(const std::string& path)
        : doc_(xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET), xmlFreeDoc) {}
    bool Parsed() const { return doc_ != nullptr; }

    // The attributes of every element the query selects (with "#text" for its text).
    std::vector<Attributes> Select(const std::string& query) const {
        std::vector<Attributes> found;
        std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
            xmlXPathNewContext(doc_.get()), xmlXPathFreeContext);
        xmlXPathRegisterNs(context.get(), BAD_CAST "p",
                           BAD_CAST
                           "http://schemas.microsoft.com/GroupPolicy/2006/07/"
                           "PolicyDefinitions");
        std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
            xmlXPathEvalExpression(BAD_CAST query.c_str(), context.get()), xmlXPathFreeObject);
        if (result == nullptr || result->nodesetval == nullptr) return found;
        for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
            xmlNode* node = result->nodesetval->nodeTab[i];
            Attributes attributes;
            for (xmlAttr* a = node->properties; a != nullptr; a = a->next) {
                xmlChar* value = xmlNodeGetContent(a->children);
                attributes[reinterpret_cast<const char*>(a->name)] =
                    reinterpret_cast<const char*>(value);
                xmlFree(value);
            }
            xmlChar* text = xmlNodeGetContent(node);
            attributes["#text"] = reinterpret_cast<const char*>(text);
            xmlFree(text);
            found.push_back(attributes);
        }
        return found;
    }

    std::set<std::string> Values(const std::string& query, const std::string& attribute) const {
        std::set<std::string> values;
        for (const Attributes& a : Select(query))
            values.insert(a.count(attribute) ? a.at(attribute) : "");
        return values;
    }

  private:
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc_;
};

const std::string kFolder = BRISVANE_POLICIES;

class PolicyTemplate : public ::testing::Test {
  protected:
    XmlFile admx{kFolder + "/Brisvane.admx"};
    XmlFile adml{kFolder + "/en-US/Brisvane.adml"};
};

TEST_F(PolicyTemplate, NamesTheTablesValuesAndKeys) {
    ASSERT_TRUE(admx.Parsed() && adml.Parsed());
    std::set<std::string> table;
    for (const PolicyInfo& policy : kPolicies) table.insert(policy.name);
    EXPECT_EQ(admx.Values("//p:policy[@valueName]", "valueName"), table);
    EXPECT_EQ(admx.Values("//p:policy", "key"), std::set<std::string>{regpath::kPolicies});
    EXPECT_EQ(admx.Values("//p:policy", "class"), std::set<std::string>{"Both"});
    EXPECT_EQ(admx.Values("//p:policy/p:enabledValue/p:decimal", "value"),
              std::set<std::string>{"1"});
    EXPECT_EQ(admx.Values("//p:policy/p:disabledValue/p:decimal", "value"),
              std::set<std::string>{"0"});
    EXPECT_EQ(admx.Select("//p:policy[@valueName]/p:enabledValue").size(), table.size());
    EXPECT_EQ(admx.Select("//p:policy[@valueName]/p:disabledValue").size(), table.size());
    // The list writes its sites as "1", "2", ... into the key the program reads.
    const std::vector<Attributes> lists = admx.Select("//p:policy/p:elements/p:list");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].at("key"), regpath::kSitesToKeep);
    EXPECT_EQ(lists[0].at("valuePrefix"), "");
    EXPECT_EQ(admx.Values("//p:policy[p:elements/p:list]", "name"),
              std::set<std::string>{kSitesToKeepPolicy});
}

TEST_F(PolicyTemplate, SupportedOnWindows7AndSortedIntoTheFourCategories) {
    EXPECT_EQ(admx.Values("//p:using[@prefix='windows']", "namespace"),
              std::set<std::string>{"Microsoft.Policies.Windows"});
    EXPECT_EQ(admx.Values("//p:policy/p:supportedOn", "ref"),
              std::set<std::string>{"windows:SUPPORTED_Windows7"});
    std::set<std::string> captions;
    for (const std::string& id : admx.Values("//p:category", "displayName")) {
        const std::string string = id.substr(9, id.size() - 10);  // $(string.<id>)
        captions.merge(adml.Values("//p:string[@id='" + string + "']", "#text"));
    }
    EXPECT_EQ(captions, (std::set<std::string>{"Brisvane", "Cleaning items", "Other browsers",
                                               "Start-up and shut-down", "Reports and progress"}));
    const std::set<std::string> categories = admx.Values("//p:category", "name");
    for (const std::string& parent : admx.Values("//p:parentCategory", "ref")) {
        EXPECT_TRUE(categories.count(parent)) << parent;
    }
    EXPECT_TRUE(admx.Select("//p:policy[not(p:parentCategory) or not(@explainText)]").empty());
}

// Group Policy refuses a template whose references do not all resolve.
TEST_F(PolicyTemplate, EveryStringAndPresentationReferenceResolves) {
    const std::set<std::string> strings = adml.Values("//p:stringTable/p:string", "id");
    const std::set<std::string> presentations = adml.Values("//p:presentation", "id");
    const std::regex reference(R"(\$\((string|presentation)\.([^)]*)\))");
    int checked = 0;
    for (const char* attribute : {"displayName", "explainText", "presentation"}) {
        for (const std::string& text :
             admx.Values("//*[@" + std::string(attribute) + "]", attribute)) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(text, m, reference)) << text;
            const std::set<std::string>& table = m[1] == "string" ? strings : presentations;
            EXPECT_TRUE(table.count(m[2])) << text;
            ++checked;
        }
    }
    EXPECT_GT(checked, static_cast<int>(std::size(kPolicies)) * 2);
    for (const std::string& id : adml.Values("//p:presentation/*", "refId")) {
        EXPECT_EQ(admx.Select("//p:elements/*[@id='" + id + "']").size(), 1u) << id;
    }
}

}  // namespace
