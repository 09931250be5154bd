#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace velmora {

namespace {

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

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& path) : FPath(path) {
    if (path.filename().empty()) {
        return;
    }
    const std::string pattern = path.string() + ".tmp-XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    FFd = ::mkstemp(temporary.data());
    if (FFd < 0) {
        return;
    }
    FTempPath = temporary.data();
    // mkstemp creates 0600; a replaced file keeps the permissions the user expects.
    ::fchmod(FFd, 0644);
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

void AtomicFileWriter::discard() {
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
        ::unlink(FTempPath.c_str());
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (FFd < 0 || (!FFailed && !writeAll(FFd, bytes))) {
        FFailed = true;
    }
}

bool AtomicFileWriter::commit() {
    if (FFd < 0 || FFailed || ::fsync(FFd) != 0) {
        discard();
        return false;
    }
    const bool closed = ::close(FFd) == 0;
    FFd = -1;
    if (!closed || ::rename(FTempPath.c_str(), FPath.c_str()) != 0) {
        ::unlink(FTempPath.c_str());
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    writer.write(bytes);
    return writer.commit();
}

}  // namespace velmora
