#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// gzip stream (deflate) of the text at the given compression level (0-9).
std::optional<std::string> gzipCompress(std::string_view data, int level);

// The content of a gzip stream; no value when the stream is corrupt, truncated or would
// inflate to more than maxSize bytes (a compressed bomb stops there).
std::optional<std::string> gzipDecompress(std::string_view data, std::size_t maxSize);

}  // namespace velmora
