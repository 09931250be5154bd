#include "prices/PriceStoreLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "base/FileName.h"

namespace velmora {

PriceStoreLock::PriceStoreLock(const std::filesystem::path& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        FError = error.message();
        return;
    }
    // The directory itself carries the lock: the files in it are replaced by renames, so a
    // lock on one of them would be lost with the old file.
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        FError = systemReason(errno);
        return;
    }
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        FError = systemReason(errno);
        ::close(fd);
        return;
    }
    FFd = fd;
}

PriceStoreLock::~PriceStoreLock() {
    if (FFd >= 0) {
        ::close(FFd);
    }
}

}  // namespace velmora
