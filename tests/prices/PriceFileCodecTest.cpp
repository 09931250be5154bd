#include "prices/PriceFileCodec.h"

#include <gtest/gtest.h>

#include <string>

#include "prices/Gzip.h"
#include "prices/PriceFileCipher.h"
#include "prices/PriceFileName.h"

namespace velmora {
namespace {

std::string xmlOf(const std::string& fileBytes) {
    const auto compressed = decryptPriceFile(fileBytes);
    EXPECT_TRUE(compressed.has_value());
    const auto xml = gzipDecompress(compressed.value_or(""), kMaxPriceDocumentSize);
    EXPECT_TRUE(xml.has_value());
    return xml.value_or("");
}

std::string fileWith(const std::string& xml) {
    return encryptPriceFile(gzipCompress(xml, 1).value()).value();
}

TEST(PriceFileCipherTest, PadsToWholeBlocksWithAFullBlockWhenAligned) {
    EXPECT_EQ(encryptPriceFile("")->size(), 16U);
    EXPECT_EQ(encryptPriceFile(std::string(15, 'x'))->size(), 16U);
    EXPECT_EQ(encryptPriceFile(std::string(16, 'x'))->size(), 32U);
    for (const std::string plain : {"", "a", "0123456789abcdef", "0123456789abcdef!"}) {
        EXPECT_EQ(decryptPriceFile(*encryptPriceFile(plain)), plain);
    }
    EXPECT_NE(*encryptPriceFile("secret price"), "secret price");
}

TEST(PriceFileCipherTest, RejectsEmptyTextAndImpossiblePadding) {
    EXPECT_FALSE(decryptPriceFile("").has_value());
    // A truncated file is filled up with zero bytes and still decrypts; its padding byte is
    // then garbage and is accepted only when it is a possible length.
    const std::string cipher = *encryptPriceFile(std::string(40, 'x'));
    for (std::size_t length = 1; length < cipher.size(); ++length) {
        const auto plain = decryptPriceFile(cipher.substr(0, length));
        if (plain) {
            EXPECT_LT(plain->size(), 48U);
        }
    }
}

TEST(GzipTest, RoundTripsAndStopsAtTheSizeLimit) {
    const std::string text(100000, 'a');
    const auto compressed = gzipCompress(text, 1);
    ASSERT_TRUE(compressed);
    EXPECT_EQ(compressed->substr(0, 2), "\x1f\x8b");
    EXPECT_EQ(gzipDecompress(*compressed, text.size()), text);
    EXPECT_FALSE(gzipDecompress(*compressed, text.size() - 1).has_value());
    EXPECT_FALSE(gzipDecompress(compressed->substr(0, compressed->size() / 2), 1 << 20));
    EXPECT_FALSE(gzipDecompress("not gzip at all", 1 << 20));
}

TEST(PriceFileCodecTest, WritesTheElementWithPriceAndUseFlag) {
    EXPECT_NE(xmlOf(*encodePriceFile({1234.5, true})).find("<d p=\"1234.5\" u=\"true\""),
              std::string::npos);
    const std::string unused = xmlOf(*encodePriceFile({0.1 + 0.2, false}));
    EXPECT_NE(unused.find("<d p=\"0.3\""), std::string::npos) << unused;
    EXPECT_EQ(unused.find(" u="), std::string::npos);
}

TEST(PriceFileCodecTest, ReadsFilesOfOtherWriters) {
    struct Case {
        std::string xml;
        double price;
        bool inUse;
    };
    for (const Case& c : std::vector<Case>{
             {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><d p=\"12,5\" u=\"YES\"/>", 12.5, true},
             {"\xEF\xBB\xBF<D u=\"-1\" p=\"7\" x=\"ignored\"/>", 7, true},
             {"<d p=\"abc\" u=\"no\"/>", 0, false},
             {"<d p=\"3.25\" u=\"Y\"/>", 3.25, true},
             {"<other p=\"9\"/>", 0, false},
             {"<root><d p=\"9\" u=\"1\"/></root>", 0, false},  // not at the first level
         }) {
        SCOPED_TRACE(c.xml);
        const auto record = decodePriceFile(fileWith(c.xml));
        ASSERT_TRUE(record.has_value());
        EXPECT_DOUBLE_EQ(record->price, c.price);
        EXPECT_EQ(record->inUse, c.inUse);
    }
}

TEST(PriceFileCodecTest, RejectsForeignAndOversizedFiles) {
    EXPECT_FALSE(decodePriceFile("").has_value());
    EXPECT_FALSE(decodePriceFile("<d p=\"5\" u=\"true\"/>").has_value());
    EXPECT_FALSE(decodePriceFile(fileWith("<d p=\"5\"")).has_value());        // broken XML
    EXPECT_FALSE(decodePriceFile(encryptPriceFile("<d p=\"5\"/>").value()));  // not gzip

    // A compressed bomb: tiny on disk, larger than any price document once inflated.
    const std::string bomb =
        fileWith("<d p=\"5\" x=\"" + std::string(kMaxPriceDocumentSize, 'a') + "\"/>");
    EXPECT_LT(bomb.size(), kMaxPriceFileSize);
    EXPECT_FALSE(decodePriceFile(bomb).has_value());

    std::string oversized = *encodePriceFile({5, true});
    oversized.resize(kMaxPriceFileSize + 16, 'x');
    EXPECT_FALSE(decodePriceFile(oversized).has_value());
}

TEST(PriceFileNameTest, RemovesForbiddenCharacters) {
    EXPECT_EQ(customPriceBaseName("12/34:5"), "12345");
    EXPECT_EQ(customPriceBaseName("a\"*/:<>?\\|b"), "ab");
    EXPECT_EQ(customPriceBaseName("Ölt ank.x"), "Ölt ank.x");
    EXPECT_EQ(customPriceBaseName(std::string(260, 'a')), std::string(260, 'a'));
    EXPECT_EQ(customPriceBaseName(std::string(261, 'a')), "");
    // 260 umlauts are 260 characters, even at two bytes each.
    std::string umlauts;
    for (int i = 0; i < 260; ++i) {
        umlauts += "ä";
    }
    EXPECT_EQ(customPriceBaseName(umlauts), umlauts);
    EXPECT_EQ(customPriceBaseName("/:"), "");
    EXPECT_EQ(customPriceBaseName(std::string("a\0b", 3)), "");
}

}  // namespace
}  // namespace velmora
