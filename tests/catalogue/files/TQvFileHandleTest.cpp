#include "catalogue/files/TQvFileHandle.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::TempDirectory;

TEST(TQvFileHandle, DecodesByItsMarkOrAsWindows1252) {
    struct Case {
        const char* name;
        std::string bytes;
        std::u16string expected;
    };
    const Case cases[] = {
        {"utf8", "\xEF\xBB\xBF<\xC3\xBC>", u"<ü>"},
        {"utf16le", std::string("\xFF\xFE<\0\xFC\0>\0", 8), u"<ü>"},
        {"utf16be", std::string("\xFE\xFF\0<\0\xFC\0>", 8), u"<ü>"},
        {"ansi", "<\xFC\x80>", u"<ü€>"},
        {"empty", "", u""},
    };
    TempDirectory dir;
    for (const Case& c : cases) {
        std::u16string content = u"stale";
        EXPECT_TRUE(TQvFileHandle::loadFile(dir.write(c.name, c.bytes), content)) << c.name;
        EXPECT_EQ(content, c.expected) << c.name;
    }
}

TEST(TQvFileHandle, FailsForMissingSpecialAndOversizedFiles) {
    TempDirectory dir;
    std::u16string content = u"stale";
    EXPECT_FALSE(TQvFileHandle::loadFile(dir.path() / "produkte.dta", content));
    EXPECT_EQ(content, u"");
    EXPECT_FALSE(TQvFileHandle::loadFile(dir.path(), content));
    ASSERT_EQ(::mkfifo(dir.path("fifo.dta").c_str(), 0600), 0);
    EXPECT_FALSE(TQvFileHandle::loadFile(dir.path("fifo.dta"), content));
    const auto riesig = dir.write("riesig.dta", std::string(kMaxCatalogueFileBytes + 1, 'a'));
    EXPECT_FALSE(TQvFileHandle::loadFile(riesig, content));
}

}  // namespace
}  // namespace velmora
