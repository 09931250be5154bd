#include "prices/PriceFileCodec.h"

#include "prices/Gzip.h"
#include "prices/PriceFileCipher.h"

namespace velmora {

namespace {

constexpr int kCompressionLevel = 1;

}  // namespace

std::optional<std::string> encodePriceFile(const CustomPriceRecord& record) {
    const std::optional<std::string> compressed =
        gzipCompress(writePriceDocument(record), kCompressionLevel);
    if (!compressed) {
        return std::nullopt;
    }
    return encryptPriceFile(*compressed);
}

std::optional<CustomPriceRecord> decodePriceFile(std::string_view bytes) {
    if (bytes.size() > kMaxPriceFileSize) {
        return std::nullopt;
    }
    const std::optional<std::string> compressed = decryptPriceFile(bytes);
    if (!compressed) {
        return std::nullopt;
    }
    const std::optional<std::string> xml = gzipDecompress(*compressed, kMaxPriceDocumentSize);
    if (!xml) {
        return std::nullopt;
    }
    return readPriceDocument(*xml);
}

}  // namespace velmora
