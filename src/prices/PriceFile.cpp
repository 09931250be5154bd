#include "prices/PriceFile.h"

#include <string>
#include <system_error>

#include "base/FileBytes.h"
#include "prices/PriceFileCodec.h"

namespace velmora {

std::optional<CustomPriceRecord> readPriceFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = readFileBytes(path, kMaxPriceFileSize);
    if (!bytes) {
        return std::nullopt;
    }
    return decodePriceFile(*bytes);
}

WriteResult writePriceFile(const std::filesystem::path& path, const CustomPriceRecord& record) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return {error.message()};
    }
    const std::optional<std::string> bytes = encodePriceFile(record);
    if (!bytes) {
        return {"Verschlüsselung fehlgeschlagen"};
    }
    return writeFileAtomically(path, *bytes);
}

}  // namespace velmora
