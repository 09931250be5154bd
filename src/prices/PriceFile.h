#pragma once

#include <filesystem>
#include <optional>

#include "base/AtomicFile.h"
#include "prices/PriceDocument.h"

namespace velmora {

// The record of the price file at path; no value when it is missing, too large or cannot
// be read, decrypted, decompressed or parsed.
std::optional<CustomPriceRecord> readPriceFile(const std::filesystem::path& path);

// Writes the price file atomically, creating its directory; on any failure an existing file
// stays as it was.
WriteResult writePriceFile(const std::filesystem::path& path, const CustomPriceRecord& record);

}  // namespace velmora
