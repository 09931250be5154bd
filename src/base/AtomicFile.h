#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// Writes a file piece by piece through a temporary file in the same directory, flushed to
// disk and renamed over the target only on commit, so readers and crashes only ever see
// the old or the new content. A failed or abandoned write leaves the target untouched and
// no temporary file behind.
class AtomicFileWriter {
public:
    // Creates the temporary file; isOpen() tells whether that worked.
    explicit AtomicFileWriter(const std::filesystem::path& path);
    // Removes the temporary file unless committed.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool isOpen() const { return FFd >= 0; }
    // A failed write is remembered and makes commit fail.
    void write(std::string_view bytes);
    // Flushes and renames onto the target. False on any failure, also of an earlier write.
    bool commit();

private:
    void discard();

    std::filesystem::path FPath;
    std::string FTempPath;
    int FFd = -1;
    bool FFailed = false;
};

// Replaces the file with the given bytes through an AtomicFileWriter. False on any failure;
// the old file then stays untouched.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace velmora
