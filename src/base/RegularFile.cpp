#include "base/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace velmora {

RegularFile::RegularFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        FSystemError = errno;
        FFailure = errno == ENOENT || errno == ENOTDIR ? FileReadFailure::Missing
                                                       : FileReadFailure::Unreadable;
        return;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        FSystemError = errno;
        FFailure = FileReadFailure::Unreadable;
        ::close(fd);
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        FFailure = FileReadFailure::NotRegular;
        ::close(fd);
        return;
    }
    FFd = fd;
    FSize = static_cast<std::uint64_t>(status.st_size);
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : FFd(std::exchange(other.FFd, -1)),
      FFailure(other.FFailure),
      FSystemError(other.FSystemError),
      FSize(other.FSize) {}

RegularFile::~RegularFile() {
    if (FFd >= 0) {
        ::close(FFd);
    }
}

long RegularFile::read(char* buffer, std::size_t count) {
    while (true) {
        const ssize_t got = ::read(FFd, buffer, count);
        if (got >= 0 || errno != EINTR) {
            if (got < 0) {
                FSystemError = errno;
            }
            return static_cast<long>(got);
        }
    }
}

long RegularFile::readAt(std::uint64_t offset, char* buffer, std::size_t count) {
    while (true) {
        const ssize_t got = ::pread(FFd, buffer, count, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR) {
            if (got < 0) {
                FSystemError = errno;
            }
            return static_cast<long>(got);
        }
    }
}

}  // namespace velmora
