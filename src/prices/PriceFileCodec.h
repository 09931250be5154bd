#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "prices/PriceDocument.h"

namespace velmora {

// A price file is tiny; anything larger is not ours and is not read.
inline constexpr std::size_t kMaxPriceFileSize = 64 * 1024;
// Bounds what a hostile file can make us inflate.
inline constexpr std::size_t kMaxPriceDocumentSize = 1024 * 1024;

// The bytes of a price file: XML, gzip level 1, then encrypted.
std::optional<std::string> encodePriceFile(const CustomPriceRecord& record);

// The record of a price file; no value when the bytes are too large or cannot be
// decrypted, decompressed or parsed.
std::optional<CustomPriceRecord> decodePriceFile(std::string_view bytes);

}  // namespace velmora
