#include "catalogue/files/TMurvel.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/Utf16.h"
#include "catalogue/files/TQvFileHandle.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::TempDirectory;

struct Read {
    std::string content;
    bool error = true;
};

Read readFile(const std::filesystem::path& path, bool kodiert) {
    Read result;
    result.content = "stale";
    TMurvel::Create(path, kodiert, result.content, result.error);
    return result;
}

TEST(TMurvel, ScramblingXorsEveryCodeUnitAndIsItsOwnInverse) {
    const std::u16string clear = u"3,0\r\n<a b=\"Ü€\"/>";
    const std::u16string scrambled = TMurvel::convert(clear);
    ASSERT_EQ(scrambled.size(), clear.size());
    for (std::size_t i = 0; i < clear.size(); ++i) {
        EXPECT_EQ(scrambled[i], clear[i] ^ 0x4B);
    }
    EXPECT_EQ(TMurvel::unConvert(scrambled), clear);
}

TEST(TMurvel, ReadsItsOwnScrambledFilesBack) {
    TempDirectory dir;
    const std::string clear = "STT|||Stahltanks äöüß €\r\nKBT|||Kunststoff-Batterietanks\r\n";
    const auto path = dir.write("wg.dta", TMurvel::scrambledFileBytes(clear));
    const Read read = readFile(path, true);
    EXPECT_FALSE(read.error);
    EXPECT_EQ(read.content, clear);
}

TEST(TMurvel, TakesUtf16AfterTheLittleEndianMarkAndWindows1252Otherwise) {
    TempDirectory dir;
    // "A" as UTF-16 LE after the mark.
    EXPECT_EQ(readFile(dir.write("le.dta", std::string("\xFF\xFE"
                                                       "A\0",
                                                       4)),
                       false)
                  .content,
              "A");
    // FF FE 00 00 is no UTF-16 mark: all six bytes are Windows-1252 ("ÿþ" XOR 0x4B is "´µ"),
    // so a scrambled text starting with "K" (code unit 0) does not read back.
    EXPECT_EQ(readFile(dir.write("k.dta", std::string("\xFF\xFE\0\0\x09\0", 6)), true).content,
              "´µKKBK");
    // Mark-less bytes are Windows-1252: 0x80 is the euro sign, 0xFC "ü".
    EXPECT_EQ(readFile(dir.write("ansi.dta", "\x80\xFC"), false).content, "€ü");
    // A scrambled mark-less file is widened first, then unscrambled.
    EXPECT_EQ(readFile(dir.write("ansi2.dta", "\x0A\xB7"), true).content, "Aü");
    // An odd trailing byte of a UTF-16 file is no code unit.
    EXPECT_EQ(readFile(dir.write("odd.dta", std::string("\xFF\xFE"
                                                        "B\0C",
                                                        5)),
                       false)
                  .content,
              "B");
}

// A FIFO is refused at once, without waiting for a writer; an oversized file unread.
TEST(TMurvel, MissingSpecialOrOversizedFileIsAnErrorWithEmptyContent) {
    TempDirectory dir;
    ASSERT_EQ(::mkfifo(dir.path("fifo.dta").c_str(), 0600), 0);
    const auto riesig = dir.write("riesig.dta", std::string(kMaxCatalogueFileBytes + 1, 'a'));
    for (const auto& path : {dir.path() / "fehlt.dta", dir.path(), dir.path("fifo.dta"), riesig}) {
        const Read read = readFile(path, true);
        EXPECT_TRUE(read.error) << path;
        EXPECT_EQ(read.content, "") << path;
    }
    const Read empty = readFile(dir.write("leer.dta", ""), true);
    EXPECT_FALSE(empty.error);
    EXPECT_EQ(empty.content, "");
}

}  // namespace
}  // namespace velmora
