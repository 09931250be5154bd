#include <gtest/gtest.h>

#include <iconv.h>

#include <array>
#include <string>

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

// The fixed tables against the C library's converter, byte by byte; a byte it leaves
// undefined stands for the control character of the same number.
TEST(CodePage, EveryByteDecodesAsIconvDecodesIt) {
    for (const auto& [cp, name] :
         {std::pair{CodePage::Cp850, "CP850"}, std::pair{CodePage::Windows1252, "CP1252"}}) {
        iconv_t converter = iconv_open("UTF-8", name);
        ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1)) << name;
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            std::array<char, 8> out{};
            char* inPtr = &in;
            std::size_t inLeft = 1;
            char* outPtr = out.data();
            std::size_t outLeft = out.size();
            const bool defined = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) !=
                                 static_cast<std::size_t>(-1);
            const std::string expected = defined ? std::string(out.data(), outPtr)
                                                 : std::string{static_cast<char>(0xC2), in};
            EXPECT_EQ(toUtf8(std::string(1, in), cp), expected) << name << " byte " << b;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
        iconv_close(converter);
    }
}
