#include "catalogue/files/xmlNodeHelper.h"

#include <gtest/gtest.h>

namespace velmora::xmlNodeHelper {
namespace {

class XmlNodeHelper : public ::testing::Test {
protected:
    pugi::xml_node parse(const char* text) {
        EXPECT_TRUE(document_.load_string(text));
        return document_.first_child();
    }
    pugi::xml_document document_;
};

TEST_F(XmlNodeHelper, ChildNodesMatchTheirNameWithoutRegardToCase) {
    const pugi::xml_node root =
        parse("<r><produkt a='1'/><x/><PRODUKT a='2'/>text<Produkt a='3'/></r>");
    std::vector<int> found;
    for (int index = 0;; ++index) {
        const pugi::xml_node node = getChildNode(root, "produkt", index);
        if (!node) {
            break;
        }
        found.push_back(getAttributeInt(node, "a"));
    }
    EXPECT_EQ(found, (std::vector<int>{1, 2, 3}));

    int index = 1;
    EXPECT_EQ(getAttributeInt(getChildNode(root, "Produkt", index), "a"), 2);
    EXPECT_EQ(index, 2);
    int unchanged = 0;
    EXPECT_FALSE(getChildNode(root, "variante", unchanged));
    EXPECT_FALSE(getChildNode(pugi::xml_node(), "produkt", unchanged));
    EXPECT_EQ(unchanged, 0);

    EXPECT_EQ(getChildNodes(root, "PRODUKT").size(), 3u);
    EXPECT_TRUE(getChildNodes(pugi::xml_node(), "produkt").empty());
}

TEST_F(XmlNodeHelper, AttributeTextsGetCrLfLineBreaks) {
    const pugi::xml_node root = parse("<r a='x&#13;&#10;y&#10;z&#13;w' e=''/>");
    EXPECT_EQ(getAttribute(root, "a"), "x\r\ny\r\nzw");
    EXPECT_EQ(getAttribute(root, "e", "d"), "");
    EXPECT_EQ(getAttribute(root, "fehlt"), "");
    EXPECT_EQ(getAttribute(root, "fehlt", "d"), "d");
    EXPECT_EQ(getAttribute(pugi::xml_node(), "a", "d"), "d");
}

TEST_F(XmlNodeHelper, IntegersAreStrictAndFallBackToTheDefault) {
    const pugi::xml_node root = parse(
        "<r a='42' b='-7' c=' +12 ' d='12mm' e='' f='2147483647' g='2147483648' h='1.5'"
        " i='+-3' j='0x10'/>");
    EXPECT_EQ(getAttributeInt(root, "a"), 42);
    EXPECT_EQ(getAttributeInt(root, "b"), -7);
    EXPECT_EQ(getAttributeInt(root, "c"), 12);
    EXPECT_EQ(getAttributeInt(root, "f"), 2147483647);
    for (const char* malformed : {"d", "e", "g", "h", "i", "j"}) {
        EXPECT_EQ(getAttributeInt(root, malformed, 9), 9) << malformed;
    }
    EXPECT_EQ(getAttributeInt(root, "fehlt"), 0);
    EXPECT_EQ(getAttributeInt(root, "fehlt", 5), 5);
}

TEST_F(XmlNodeHelper, BooleansAreTrueOrOneInAnyCase) {
    const pugi::xml_node root =
        parse("<r a='true' b='TRUE' c='1' d='0' e='yes' f='2' g='' h=' 1 '/>");
    for (const char* yes : {"a", "b", "c", "h"}) {
        EXPECT_TRUE(getAttributeBool(root, yes)) << yes;
    }
    for (const char* no : {"d", "e", "f", "g"}) {
        EXPECT_FALSE(getAttributeBool(root, no, true)) << no;
    }
    EXPECT_FALSE(getAttributeBool(root, "fehlt"));
    EXPECT_TRUE(getAttributeBool(root, "fehlt", true));
}

}  // namespace
}  // namespace velmora::xmlNodeHelper
