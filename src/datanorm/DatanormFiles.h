#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/FileBytes.h"

namespace velmora::datanorm {

// Longest line accepted in a DATANORM file: records take a few hundred bytes, so a longer
// line only comes from a file that is no DATANORM file.
inline constexpr std::size_t kMaxDatanormLineBytes = 64 * 1024;
// Largest product-group or discount file, or discount-group cache: real ones take some
// hundred kilobytes.
inline constexpr std::size_t kMaxSeitendateiBytes = 2 * 1024 * 1024;

// The whole file as bytes, at most maxBytes. Throws EDatanormFileError naming the file and
// the reason when it cannot be read, is no regular file or is larger.
std::string readWholeFile(const std::string& path, std::size_t maxBytes = kMaxWholeFileBytes);

// Size of a file in bytes. Throws EDatanormFileError when it cannot be opened or is no
// regular file.
std::uint64_t fileSize(const std::string& path);

// Calls back with every non-empty line of a file and the byte offset where it starts,
// reading the file in blocks. Throws EDatanormFileError when it cannot be read or a line is
// longer than kMaxDatanormLineBytes.
void scanLines(const std::string& path,
               const std::function<void(std::uint64_t offset, std::string_view line)>& visit);

// The first non-empty line of a file; as scanLines, but reads no further.
std::string readFirstLine(const std::string& path);

// A file beside the article file: the article file's name with its last `cut` characters
// (at most the whole file name, so the file stays in the same directory) replaced by
// `suffix`. When that file does not exist but one whose name differs only in case does
// (deliveries from case-blind systems), that one is named.
std::string begleitdatei(const std::string& artikeldatei, std::size_t cut, std::string_view suffix);

bool dateiExistiert(const std::string& path);

}  // namespace velmora::datanorm
