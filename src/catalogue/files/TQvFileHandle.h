#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace velmora {

// Largest catalogue file read: the delivered ones take some ten kilobytes, a full
// manufacturer's catalogue a few hundred; larger files are refused unread.
inline constexpr std::size_t kMaxCatalogueFileBytes = 8 * 1024 * 1024;

// Reads a text file whatever its stored encoding: the byte-order marks of UTF-8, UTF-16 LE
// and UTF-16 BE are recognised and dropped, mark-less files are Windows-1252.
class TQvFileHandle {
public:
    // False when the file does not exist, is no regular file, is larger than
    // kMaxCatalogueFileBytes or cannot be read; else true
    // with the decoded text as UTF-16 code units (the form the unscrambling works on).
    static bool loadFile(const std::filesystem::path& FileName, std::u16string& Content);
};

}  // namespace velmora
