#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

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
    // The system's reason reaches the message.
    EXPECT_EQ(writeFileAtomically(dir.path() / "fehlt" / "datei", "x").error,
              "No such file or directory");
}

mode_t modeOf(const std::filesystem::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(AtomicFileWriter, AReplacedFileKeepsItsModeANewOneFollowsTheUmask) {
    TempDirectory dir;
    const mode_t oldMask = ::umask(027);
    for (const mode_t mode : {0600, 0640, 0664, 0755}) {
        const auto target = dir.write("plan", "alt");
        ::chmod(target.c_str(), mode);
        ASSERT_TRUE(writeFileAtomically(target, "neu"));
        EXPECT_EQ(modeOf(target), mode) << std::oct << mode;
    }
    ASSERT_TRUE(writeFileAtomically(dir.path() / "neu", "neu"));
    EXPECT_EQ(modeOf(dir.path() / "neu"), 0640u);
    ::umask(oldMask);
}

TEST(AtomicFileWriter, WritesThroughSymbolicLinksBesideTheirTarget) {
    TempDirectory dir;
    std::filesystem::create_directories(dir.path() / "daten");
    dir.write("daten/plan", "alt");
    std::filesystem::create_symlink("daten/plan", dir.path() / "relativ");
    std::filesystem::create_symlink(dir.path() / "relativ", dir.path() / "kette");
    std::filesystem::create_symlink("daten/neu", dir.path() / "offen");  // dangling
    for (const char* link : {"relativ", "kette", "offen"}) {
        SCOPED_TRACE(link);
        ASSERT_TRUE(writeFileAtomically(dir.path() / link, link));
        EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / link));
        EXPECT_EQ(readFileBytes(dir.path() / link), link);
    }
    EXPECT_EQ(readFileBytes(dir.path() / "daten" / "plan"), "kette");
    EXPECT_EQ(readFileBytes(dir.path() / "daten" / "neu"), "offen");
    EXPECT_EQ(entries(dir.path()), 4u);
    EXPECT_EQ(entries(dir.path() / "daten"), 2u);

    std::filesystem::create_symlink("schleife", dir.path() / "schleife");
    EXPECT_EQ(writeFileAtomically(dir.path() / "schleife", "x").error,
              "Too many levels of symbolic links");
}

TEST(AtomicFileWriter, RefusesTargetsThatAreNoRegularFile) {
    TempDirectory dir;
    ASSERT_EQ(::mkfifo(dir.path("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", dir.path() / "geraet");
    for (const char* name : {"fifo", "geraet"}) {
        SCOPED_TRACE(name);
        const std::filesystem::file_type before = std::filesystem::status(dir.path(name)).type();
        EXPECT_EQ(writeFileAtomically(dir.path(name), "x").error,
                  "unter diesem Namen steht ein Ordner oder ein Gerät, keine Datei; bitte "
                  "wählen Sie einen anderen Namen");
        EXPECT_EQ(std::filesystem::status(dir.path(name)).type(), before);
    }
    EXPECT_EQ(entries(dir.path()), 2u);
}

// A writer killed midway leaves nothing behind for good: the next write of the same target
// removes what is left, but not the temporary file of a writer still at work or of another
// target.
TEST(AtomicFileWriter, AKilledWriteLeavesNoTemporaryFileForGood) {
    TempDirectory dir;
    const auto target = dir.write("plan.pdf", "alt");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFileWriter writer(target);
        writer.write(std::string(1 << 20, 'x'));
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    dir.write("plan.pdf.tmp-AbC123", "vom abgebrochenen Lauf");
    dir.write("other.pdf.tmp-AbC123", "gehoert zu einem anderen Ziel");
    const auto busy = dir.write("plan.pdf.tmp-Busy00", "ein Schreiber ist noch dabei");
    const int busyFd = ::open(busy.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busyFd, LOCK_EX), 0);

    ASSERT_TRUE(writeFileAtomically(target, "neu"));
    ::close(busyFd);
    EXPECT_EQ(readFileBytes(target), "neu");
    EXPECT_FALSE(dir.exists("plan.pdf.tmp-AbC123"));
    EXPECT_TRUE(dir.exists("plan.pdf.tmp-Busy00"));
    EXPECT_TRUE(dir.exists("other.pdf.tmp-AbC123"));
    EXPECT_EQ(entries(dir.path()), 3u);
}

}  // namespace
}  // namespace velmora
