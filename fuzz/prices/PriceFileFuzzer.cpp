// Reading a custom price file must survive any bytes: no crash, no hang, bounded memory,
// and what was read is what a write and a second read give back.
// The first byte picks the layer the rest reaches unchanged, since random bytes would
// rarely get past decryption and decompression: 0 the file as stored, 1 the decrypted
// content (gzip), 2 the decompressed content (XML).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "prices/Gzip.h"
#include "prices/PriceDocument.h"
#include "prices/PriceFileCipher.h"
#include "prices/PriceFileCodec.h"

namespace {

std::optional<std::string> storedFileFor(unsigned char layer, std::string_view content) {
    switch (layer % 3) {
        case 0:
            return std::string(content);
        case 1:
            return velmora::encryptPriceFile(content);
        default: {
            const auto compressed = velmora::gzipCompress(content, 1);
            return compressed ? velmora::encryptPriceFile(*compressed) : std::nullopt;
        }
    }
}

std::optional<velmora::CustomPriceRecord> roundTrip(const velmora::CustomPriceRecord& record) {
    const auto encoded = velmora::encodePriceFile(record);
    return encoded ? velmora::decodePriceFile(*encoded) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::optional<std::string> file = storedFileFor(data[0], content);
    if (!file) {
        return 0;
    }
    const auto record = velmora::decodePriceFile(*file);
    if (!record) {
        return 0;
    }
    // Whatever was read must survive being written and read again: the flag, and the price
    // as the files store it (up to 15 significant digits), which a further round trip keeps
    // exactly.
    const auto reread = roundTrip(*record);
    if (!reread || reread->inUse != record->inUse ||
        velmora::formatStoredPrice(reread->price) != velmora::formatStoredPrice(record->price)) {
        std::abort();
    }
    const auto again = roundTrip(*reread);
    if (!again || again->inUse != reread->inUse || again->price != reread->price) {
        std::abort();
    }
    return 0;
}
