#include "prices/PriceFile.h"

#include <fstream>
#include <string>
#include <system_error>

#include "base/AtomicFile.h"
#include "prices/PriceFileCodec.h"

namespace velmora {

std::optional<CustomPriceRecord> readPriceFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // One byte more than allowed is enough to recognise an oversized file unread.
    std::string bytes(kMaxPriceFileSize + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return decodePriceFile(bytes);
}

bool writePriceFile(const std::filesystem::path& path, const CustomPriceRecord& record) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return false;
    }
    const std::optional<std::string> bytes = encodePriceFile(record);
    return bytes && writeFileAtomically(path, *bytes);
}

}  // namespace velmora
