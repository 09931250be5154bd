#include <gtest/gtest.h>

#include "base/CodePage.h"

using namespace velmora;

TEST(CodePage, DecodesAndEncodesUmlauts) {
    EXPECT_EQ(toUtf8("\x81\x9A\x84\xE1", CodePage::Cp850), "üÜäß");
    EXPECT_EQ(fromUtf8("üÜäß", CodePage::Cp850), "\x81\x9A\x84\xE1");
    EXPECT_EQ(toUtf8("\x80\xFC", CodePage::Windows1252), "€ü");
    EXPECT_EQ(fromUtf8("€ü", CodePage::Windows1252), "\x80\xFC");
}

TEST(CodePage, EveryByteRoundTrips) {
    for (CodePage cp : {CodePage::Cp850, CodePage::Windows1252}) {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            all.push_back(static_cast<char>(b));
        }
        EXPECT_EQ(fromUtf8(toUtf8(all, cp), cp), all);
    }
}

TEST(CodePage, UnmappableTextBecomesQuestionMarks) {
    EXPECT_EQ(fromUtf8("a€b", CodePage::Cp850), "a?b");
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b",
                       CodePage::Cp850),
              "a?b");
}
