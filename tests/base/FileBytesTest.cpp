#include "base/FileBytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/FileName.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::TempDirectory;

// Every caller reads through here: none may hang on a FIFO or a device or fill memory.
TEST(ReadFileLimited, RefusesWhatIsNoSmallRegularFileWithAMessage) {
    TempDirectory dir;
    dir.write("klein", "12345678");
    dir.write("gross", "123456789");
    ASSERT_EQ(::mkfifo(dir.path("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.path("geraet"));
    std::filesystem::create_directory(dir.path("ordner"));
    struct Case {
        std::string name;
        FileReadFailure failure;
        std::string message;
    };
    const std::string keineDatei =
        "kann nicht gelesen werden: unter diesem Namen steht ein Ordner oder ein Gerät, keine "
        "Datei. Bitte geben Sie eine Datei an.";
    const std::vector<Case> cases{
        {"klein", FileReadFailure::None, ""},
        {"gross", FileReadFailure::TooLarge, "ist größer als 0 KB und wird nicht gelesen."},
        {"fifo", FileReadFailure::NotRegular, keineDatei},
        {"geraet", FileReadFailure::NotRegular, keineDatei},
        {"ordner", FileReadFailure::NotRegular, keineDatei},
        {"fehlt", FileReadFailure::Missing, "ist nicht vorhanden."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileReadResult result = readFileLimited(dir.path(c.name), 8);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.bytes.has_value(), c.failure == FileReadFailure::None);
        EXPECT_EQ(fileReadMessage(dir.path(c.name), result),
                  c.message.empty()
                      ? ""
                      : "Die Datei \"" + dir.path(c.name).string() + "\" " + c.message);
    }
    EXPECT_EQ(readFileBytes(dir.path("klein"), 8), "12345678");
}

TEST(QuotedFileName, EscapesControlCharacters) {
    EXPECT_EQ(quotedFileName("/tmp/plan\n.json"), "\"/tmp/plan\\x0A.json\"");
    EXPECT_EQ(quotedFileName("a\x1B[31mb\x7F"), "\"a\\x1B[31mb\\x7F\"");
    EXPECT_EQ(quotedFileName("Öltank ä.pdf"), "\"Öltank ä.pdf\"");
}

}  // namespace
}  // namespace velmora
