#pragma once

#include <filesystem>
#include <string>

namespace velmora {

// Reads a text file whatever its stored encoding: the byte-order marks of UTF-8, UTF-16 LE
// and UTF-16 BE are recognised and dropped, mark-less files are Windows-1252.
class TQvFileHandle {
public:
    // False when the file does not exist, names a directory or cannot be read; else true
    // with the decoded text as UTF-16 code units (the form the unscrambling works on).
    static bool loadFile(const std::filesystem::path& FileName, std::u16string& Content);
};

}  // namespace velmora
