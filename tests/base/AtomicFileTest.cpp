#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileBytes.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::TempDirectory;

std::size_t entries(const std::filesystem::path& dir) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++count;
    }
    return count;
}

TEST(AtomicFileWriter, CommitReplacesInPiecesAbandonKeepsTheOldFile) {
    TempDirectory dir;
    const auto target = dir.write("cache", "alt");
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.isOpen());
        writer.write("ne");
        writer.write("u");
        EXPECT_EQ(readFileBytes(target), "alt");  // nothing visible before the commit
        EXPECT_TRUE(writer.commit());
    }
    EXPECT_EQ(readFileBytes(target), "neu");
    {
        AtomicFileWriter abandoned(target);
        abandoned.write("halb");
    }
    EXPECT_EQ(readFileBytes(target), "neu");
    EXPECT_EQ(entries(dir.path()), 1u);  // no temporary file left behind
}

TEST(AtomicFileWriter, FailuresLeaveNothingBehind) {
    TempDirectory dir;
    // A missing directory: the temporary file cannot be made.
    AtomicFileWriter missing(dir.path() / "fehlt" / "datei");
    EXPECT_FALSE(missing.isOpen());
    missing.write("x");
    EXPECT_FALSE(missing.commit());
    // A directory in the target's place: the rename fails.
    std::filesystem::create_directories(dir.path() / "belegt" / "inhalt");
    EXPECT_FALSE(writeFileAtomically(dir.path() / "belegt", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "belegt"));
    EXPECT_EQ(entries(dir.path()), 1u);
}

}  // namespace
}  // namespace velmora
