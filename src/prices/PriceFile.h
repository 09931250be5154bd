#pragma once

#include <filesystem>
#include <optional>

#include "prices/PriceDocument.h"

namespace velmora {

// The record of the price file at path; no value when it is missing, too large or cannot
// be read, decrypted, decompressed or parsed.
std::optional<CustomPriceRecord> readPriceFile(const std::filesystem::path& path);

// Writes the price file atomically, creating its directory; false on any failure, and an
// existing file then stays as it was.
bool writePriceFile(const std::filesystem::path& path, const CustomPriceRecord& record);

}  // namespace velmora
