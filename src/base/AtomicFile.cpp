#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "base/FileName.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTempMarker = ".tmp-";
constexpr std::string_view kTempAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTempRandomLength = 6;
constexpr int kMaxLinks = 40;
constexpr int kNameAttempts = 100;

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a path finally names after following symbolic links; the path itself when it
// is no link or does not exist. Relative links count from the link's directory.
fs::path followLinks(fs::path path, int& errorNumber) {
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path link = fs::read_symlink(path, error);
        if (error) {
            errorNumber = error.value();
            return path;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    errorNumber = ELOOP;
    return path;
}

std::string temporaryName(const fs::path& target) {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kTempAlphabet.size() - 1);
    std::string name = target.string() + std::string(kTempMarker);
    for (std::size_t i = 0; i < kTempRandomLength; ++i) {
        name += kTempAlphabet[pick(generator)];
    }
    return name;
}

bool isTemporaryOf(const std::string& candidate, const std::string& targetName) {
    const std::string prefix = targetName + std::string(kTempMarker);
    return candidate.size() == prefix.size() + kTempRandomLength &&
           candidate.compare(0, prefix.size(), prefix) == 0 &&
           candidate.find_first_not_of(kTempAlphabet, prefix.size()) == std::string::npos;
}

// A writer holds an exclusive lock on its temporary file until it ends, so a temporary
// file whose lock can be taken belongs to a writer that was killed.
void removeStaleTemporaries(const fs::path& target) {
    const fs::path directory = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string targetName = target.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (!isTemporaryOf(it->path().filename().string(), targetName)) {
            continue;
        }
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(it->path().c_str());
        }
        ::close(fd);
    }
}

// An unnamed file in the directory (O_TMPFILE); -1 where the file system cannot make one.
int openUnnamed(const fs::path& target) {
#ifdef O_TMPFILE
    if (::access("/proc/self/fd", X_OK) != 0) {
        return -1;
    }
    const fs::path directory = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    return ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)target;
    return -1;
#endif
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const fs::path& path) {
    if (path.filename().empty()) {
        fail(EISDIR);
        return;
    }
    int linkError = 0;
    FTarget = followLinks(path, linkError);
    if (linkError != 0) {
        fail(linkError);
        return;
    }
    struct stat existing {};
    const bool exists = ::stat(FTarget.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        FError =
            "unter diesem Namen steht ein Ordner oder ein Gerät, keine Datei; bitte wählen Sie "
            "einen anderen Namen";
        return;
    }
    removeStaleTemporaries(FTarget);
    FFd = openUnnamed(FTarget);
    if (FFd < 0 && !openNamed()) {
        return;
    }
    // Marks the file as in use for removeStaleTemporaries; nobody else holds a new file.
    ::flock(FFd, LOCK_EX | LOCK_NB);
    // Both ways of creating the file apply the umask, which is right for a new file only.
    if (exists && ::fchmod(FFd, existing.st_mode & 07777) != 0) {
        fail(errno);
        discard();
    }
}

bool AtomicFileWriter::openNamed() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = temporaryName(FTarget);
        FFd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (FFd >= 0) {
            FTempPath = name;
            return true;
        }
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

void AtomicFileWriter::fail(int errorNumber) {
    if (FError.empty()) {
        FError = systemReason(errorNumber);
    }
}

void AtomicFileWriter::discard() {
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
    }
    if (!FTempPath.empty()) {
        ::unlink(FTempPath.c_str());
        FTempPath.clear();
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (FFd >= 0 && FError.empty() && !writeAll(FFd, bytes)) {
        fail(errno);
    }
}

WriteResult AtomicFileWriter::commit() {
    if (FFd >= 0 && FError.empty() && ::fsync(FFd) != 0) {
        fail(errno);
    }
    if (FFd >= 0 && FError.empty() && FTempPath.empty()) {
        // The unnamed file gets a name only now; a kill before the rename below leaves it
        // unlocked, so the next writer removes it.
        const std::string procPath = "/proc/self/fd/" + std::to_string(FFd);
        for (int attempt = 0; attempt < kNameAttempts && FTempPath.empty(); ++attempt) {
            const std::string name = temporaryName(FTarget);
            if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                0) {
                FTempPath = name;
            } else if (errno != EEXIST) {
                fail(errno);
                break;
            }
        }
    }
    if (FFd < 0 || !FError.empty() || FTempPath.empty()) {
        discard();
        return {FError.empty() ? systemReason(EIO) : FError};
    }
    if (::rename(FTempPath.c_str(), FTarget.c_str()) != 0) {
        fail(errno);
        discard();
        return {FError};
    }
    // The content is on disk since fsync; closing only gives up the lock.
    FTempPath.clear();
    ::close(FFd);
    FFd = -1;
    return {};
}

WriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    writer.write(bytes);
    return writer.commit();
}

}  // namespace velmora
