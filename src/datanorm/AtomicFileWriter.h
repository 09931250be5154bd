#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace velmora::datanorm {

// Writes a file piece by piece through a temporary file in the same directory that replaces the
// target only on commit, so a failed or abandoned write leaves any existing file untouched.
class AtomicFileWriter {
public:
    // Throws EDatanormFileError when the temporary file cannot be created.
    explicit AtomicFileWriter(std::string path);
    // Removes the temporary file unless committed.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    // Flushes and renames onto the target. Throws EDatanormFileError when any write or
    // the rename failed.
    void commit();

private:
    std::string FPath;
    std::string FTempPath;
    std::FILE* FFile = nullptr;
    bool FFailed = false;
};

}  // namespace velmora::datanorm
