#include "catalogue/files/CatalogueLines.h"

#include <gtest/gtest.h>

#include "base/Utf16.h"
#include "catalogue/files/ScrambledXml.h"
#include "catalogue/files/TMurvel.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

TEST(CatalogueLines, LinesEndAtCrLfOrLf) {
    EXPECT_EQ(splitCatalogueLines("a\r\n\r\nb\nc\r\n"), (Lines{"a", "", "b", "c"}));
    EXPECT_EQ(splitCatalogueLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitCatalogueLines("a\rb\r"), (Lines{"a\rb\r"}));
    EXPECT_EQ(splitCatalogueLines(""), Lines{});
    EXPECT_EQ(splitCatalogueLines("\r\n"), (Lines{""}));
}

TEST(CatalogueLines, AFieldNeedsAFollowingSeparator) {
    EXPECT_EQ(splitCatalogueFields("KBT||||||952400|||true"), (Lines{"KBT", "", "952400"}));
    EXPECT_EQ(splitCatalogueFields("KBT"), Lines{});
    EXPECT_EQ(splitCatalogueFields("a||||b|||"), (Lines{"a", "|b"}));
    EXPECT_EQ(restAfterFields("KBT||||||952400|||true", 3), "true");
    EXPECT_EQ(restAfterFields("KBT|||Tanks ||| mit |||", 1), "Tanks ||| mit |||");
    EXPECT_EQ(restAfterFields("KBT", 1), "");
}

TEST(ScrambledXml, RootIsTheFirstTopLevelElement) {
    testing::TempDirectory dir;
    const auto good = dir.write(
        "good.dta", TMurvel::scrambledFileBytes("<?xml version=\"1.0\"?><katalog><produkt/>"
                                                "</katalog>"));
    pugi::xml_document document;
    const pugi::xml_node root = loadScrambledXml(good, document);
    ASSERT_TRUE(root);
    EXPECT_STREQ(root.name(), "katalog");
}

TEST(ScrambledXml, MissingClearOrTruncatedFilesGiveNoRoot) {
    testing::TempDirectory dir;
    const std::string xml = "<katalog><produkt artNr=\"1\"/></katalog>";
    pugi::xml_document document;
    EXPECT_FALSE(loadScrambledXml(dir.path() / "fehlt.dta", document));
    EXPECT_FALSE(loadScrambledXml(dir.write("clear.dta", xml), document));
    EXPECT_FALSE(loadScrambledXml(
        dir.write("cut.dta", TMurvel::scrambledFileBytes(xml.substr(0, xml.size() - 5))),
        document));
}

}  // namespace
}  // namespace velmora
