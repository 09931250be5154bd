#include "base/Utf16.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Utf16, RoundTripsEveryPlane) {
    const std::string text = "aä€𝄞";
    const std::u16string units = utf8ToUtf16(text);
    EXPECT_EQ(units, (std::u16string{u'a', u'ä', u'€', 0xD834, 0xDD1E}));
    EXPECT_EQ(utf16ToUtf8(units), text);
}

TEST(Utf16, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(utf8ToUtf16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    EXPECT_EQ(utf8ToUtf16("\xF4\x90\x80\x80x"), u"\uFFFD\uFFFD\uFFFD\uFFFDx");
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xD800, u'a'}),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xDC00}), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace velmora
