#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// Success, or why a write failed in words for the user (the system's reason where there
// is one: "No space left on device", "Permission denied").
struct WriteResult {
    std::string error;
    explicit operator bool() const { return error.empty(); }
};

// Writes a file piece by piece through a temporary file beside the target, flushed to disk
// and renamed over the target only on commit, so readers and crashes only ever see the old
// or the new content. A symbolic link is written through to the file it names; a target
// that exists but is no regular file is refused. A replaced file keeps its permissions, a
// new one gets those of the umask. Where the file system allows, the temporary file has no
// name until the commit; otherwise temporary files of the same target that a killed writer
// left behind are removed by the next writer.
class AtomicFileWriter {
public:
    // Prepares the temporary file; isOpen() tells whether that worked.
    explicit AtomicFileWriter(const std::filesystem::path& path);
    // Removes the temporary file unless committed.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool isOpen() const { return FFd >= 0; }
    // A failed write is remembered and makes commit fail.
    void write(std::string_view bytes);
    // Flushes and renames onto the target. Fails on any failure, also of an earlier step.
    WriteResult commit();

private:
    void fail(int errorNumber);
    void discard();
    bool openNamed();

    std::filesystem::path FTarget;
    std::string FTempPath;  // empty while the temporary file has no name
    int FFd = -1;
    std::string FError;
};

// Replaces the file with the given bytes through an AtomicFileWriter; on failure the old
// file stays untouched.
WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace velmora
