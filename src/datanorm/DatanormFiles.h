#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

namespace velmora::datanorm {

// The whole file as bytes. Throws EDatanormFileError when it cannot be read.
std::string readWholeFile(const std::string& path);

// Size of a file in bytes. Throws EDatanormFileError when it cannot be opened.
std::uint64_t fileSize(const std::string& path);

// Calls back with every non-empty line of a file and the byte offset where it starts,
// reading the file in blocks. Throws EDatanormFileError when it cannot be read.
void scanLines(const std::string& path,
               const std::function<void(std::uint64_t offset, std::string_view line)>& visit);

// The line starting at a byte offset of an open file (up to CR, LF or the end).
std::string readLineAt(std::ifstream& file, std::uint64_t offset);

// A file beside the article file: the article file's name with its last `cut` characters
// (at most the whole file name, so the file stays in the same directory) replaced by
// `suffix`. When that file does not exist but one whose name differs only in case does
// (deliveries from case-blind systems), that one is named.
std::string begleitdatei(const std::string& artikeldatei, std::size_t cut, std::string_view suffix);

bool dateiExistiert(const std::string& path);

}  // namespace velmora::datanorm
