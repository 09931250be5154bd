#include "datanorm/AtomicFileWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "datanorm/DatanormErrors.h"

namespace velmora::datanorm {

namespace {

[[noreturn]] void throwUnwritable(const std::string& path) {
    throw EDatanormFileError("Die Datei \"" + path + "\" kann nicht geschrieben werden.");
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path) : FPath(std::move(path)) {
    std::string pattern = FPath + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        throwUnwritable(FPath);
    }
    FTempPath = name.data();
    // mkstemp creates 0600; the cache is as readable as the file it indexes.
    fchmod(fd, 0644);
    FFile = fdopen(fd, "wb");
    if (FFile == nullptr) {
        close(fd);
        std::remove(FTempPath.c_str());
        throwUnwritable(FPath);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (FFile != nullptr) {
        std::fclose(FFile);
        std::remove(FTempPath.c_str());
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (!FFailed && std::fwrite(bytes.data(), 1, bytes.size(), FFile) != bytes.size()) {
        FFailed = true;
    }
}

void AtomicFileWriter::commit() {
    const bool flushed = std::fflush(FFile) == 0 && fsync(fileno(FFile)) == 0;
    const bool closed = std::fclose(FFile) == 0;
    FFile = nullptr;
    std::error_code error;
    if (FFailed || !flushed || !closed) {
        std::remove(FTempPath.c_str());
        throwUnwritable(FPath);
    }
    std::filesystem::rename(FTempPath, FPath, error);
    if (error) {
        std::remove(FTempPath.c_str());
        throwUnwritable(FPath);
    }
}

}  // namespace velmora::datanorm
