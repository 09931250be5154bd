#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::datanorm {

// A split line: field n (from 1) is at index n - 1.
using FieldRow = std::vector<std::string>;

// Fields of an article-file line; later fields are ignored.
inline constexpr std::size_t kMaxArtikelFelder = 31;
// Fields of a side-file line; more make the line malformed.
inline constexpr std::size_t kMaxSeitendateiFelder = 255;

// The non-empty lines of a text; lines end with CR LF, CR or LF.
std::vector<std::string_view> splitLines(std::string_view text);

// Position of the first CR or LF at or after start; text.size() when there is none.
inline std::size_t zeilenende(std::string_view text, std::size_t start) {
    // Two library searches a stretch at a time (find_first_of tests the set byte by byte);
    // the stretch keeps a file without one of the two characters from being searched to
    // its end for every line.
    constexpr std::size_t kStrecke = 256;
    while (start < text.size()) {
        const char* anfang = text.data() + start;
        const std::size_t laenge = std::min(kStrecke, text.size() - start);
        const void* lf = std::memchr(anfang, '\n', laenge);
        const std::size_t bisLf =
            lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - anfang)
                          : laenge;
        const void* cr = std::memchr(anfang, '\r', bisLf);
        if (cr != nullptr) {
            return start + static_cast<std::size_t>(static_cast<const char*>(cr) - anfang);
        }
        if (lf != nullptr) {
            return start + bisLf;
        }
        start += laenge;
    }
    return text.size();
}

namespace detail {

// The (at most) eight bytes at data as one word, the first byte lowest.
inline std::uint64_t achtBytes(const char* data, std::size_t available) {
    std::uint64_t block = 0;
    if (available >= 8) {
        std::memcpy(&block, data, 8);
        if constexpr (std::endian::native == std::endian::big) {
            block = __builtin_bswap64(block);
        }
        return block;
    }
    // Byte by byte: a short copy into the word would stall the load that follows it.
    for (std::size_t k = 0; k < available; ++k) {
        block |= std::uint64_t{static_cast<unsigned char>(data[k])} << (8 * k);
    }
    return block;
}

// Bit 7 of each byte of the (at most) eight at data that is ";", the first byte lowest.
inline std::uint64_t semikolonBits(const char* data, std::size_t available) {
    // Exact, no carries between bytes: a byte becomes 0x80 where it was ";", else 0. Bytes
    // past the end are zero, which is no ";".
    constexpr std::uint64_t kSemikolons = 0x3B3B3B3B3B3B3B3Bu;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;
    const std::uint64_t x = achtBytes(data, available) ^ kSemikolons;
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

}  // namespace detail

// Calls visit(field) for each of the first maxFields fields of a line as splitFields cuts
// them, reading no further; returns how many it visited. Allocates nothing.
template <typename Visit>
std::size_t forEachField(std::string_view line, std::size_t maxFields, Visit&& visit) {
    // Eight bytes at a time: a byte-by-byte loop takes a branch per byte, and fields are too
    // short for a library search per field to pay.
    std::size_t count = 0;
    std::size_t start = 0;
    for (std::size_t block = 0; block < line.size() && count < maxFields; block += 8) {
        for (std::uint64_t bits = detail::semikolonBits(line.data() + block, line.size() - block);
             bits != 0 && count < maxFields; bits &= bits - 1) {
            const std::size_t pos = block + static_cast<std::size_t>(std::countr_zero(bits)) / 8;
            visit(line.substr(start, pos - start));
            ++count;
            start = pos + 1;
        }
    }
    return count;
}

// True when no byte of the text is 0x80 or above.
bool istAscii(std::string_view text);

// Cuts a line at ";": a field counts only when a ";" follows it, so text after the last
// ";" is ignored. At most maxFields fields are returned; fieldCount (when given) receives
// the number the line holds.
std::vector<std::string_view> splitFields(std::string_view line, std::size_t maxFields,
                                          std::size_t* fieldCount = nullptr);

// splitFields with every field decoded from code page 850.
FieldRow splitConverted(std::string_view line, std::size_t maxFields);

// The fixed columns of a DATANORM 4 header line (1, 3-8, 9-48, 49-88, 89-123, 124-125,
// 126-128), each decoded from code page 850.
FieldRow splitFixedHeader(std::string_view line);

// Field n (from 1) of a row; empty when the row is shorter.
const std::string& feld(const FieldRow& row, std::size_t n);
// The DATANORM version of an article file from its first line and its name: 5 when the
// second character is ";", else 4 when the name has an extension. Throws
// ELoadfromFileExeption when neither applies.
int erkenneVersion(std::string_view ersteZeile, const std::string& dateiname);

// The first line split as its version lays it out.
FieldRow splitKopfzeile(std::string_view ersteZeile, int version);

// True when a raw line is a new-article record: kind "A", processing flag "N".
bool istNeuerArtikel(std::span<const std::string_view> rohfelder);

}  // namespace velmora::datanorm
