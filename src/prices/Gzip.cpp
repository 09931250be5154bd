#include "prices/Gzip.h"

#include <zlib.h>

#include <array>
#include <limits>

namespace velmora {

namespace {

// Window bits 15 plus 16 select the gzip wrapper.
constexpr int kGzipWindowBits = 15 + 16;
constexpr int kMemoryLevel = 8;

Bytef* asBytes(std::string_view data) {
    // zlib takes a non-const pointer but never writes through next_in.
    return reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
}

}  // namespace

std::optional<std::string> gzipCompress(std::string_view data, int level) {
    if (data.size() > std::numeric_limits<uInt>::max()) {
        return std::nullopt;
    }
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, kGzipWindowBits, kMemoryLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        return std::nullopt;
    }
    std::string output(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = asBytes(data);
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(output.data());
    stream.avail_out = static_cast<uInt>(output.size());
    const int result = deflate(&stream, Z_FINISH);
    output.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        return std::nullopt;
    }
    return output;
}

std::optional<std::string> gzipDecompress(std::string_view data, std::size_t maxSize) {
    if (data.size() > std::numeric_limits<uInt>::max()) {
        return std::nullopt;
    }
    z_stream stream{};
    if (inflateInit2(&stream, kGzipWindowBits) != Z_OK) {
        return std::nullopt;
    }
    stream.next_in = asBytes(data);
    stream.avail_in = static_cast<uInt>(data.size());
    std::string output;
    std::array<char, 16384> chunk{};
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        result = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = chunk.size() - stream.avail_out;
        if (output.size() + produced > maxSize) {
            result = Z_MEM_ERROR;
            break;
        }
        output.append(chunk.data(), produced);
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END) {
        return std::nullopt;
    }
    return output;
}

}  // namespace velmora
