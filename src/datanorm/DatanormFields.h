#pragma once

#include <algorithm>
#include <cstddef>
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

// Calls visit(field) for each of the first maxFields fields of a line as splitFields cuts
// them, reading no further; returns how many it visited. Allocates nothing.
template <typename Visit>
std::size_t forEachField(std::string_view line, std::size_t maxFields, Visit&& visit) {
    // A plain loop: fields are short, so a library search per field costs more than it saves.
    std::size_t count = 0;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < line.size() && count < maxFields; ++pos) {
        if (line[pos] == ';') {
            visit(line.substr(start, pos - start));
            ++count;
            start = pos + 1;
        }
    }
    return count;
}

// Cuts a line at ";": a field counts only when a ";" follows it, so text after the last
// ";" is ignored. At most maxFields fields are returned; fieldCount (when given) receives
// the number the line holds.
std::vector<std::string_view> splitFields(std::string_view line, std::size_t maxFields,
                                          std::size_t* fieldCount = nullptr);

// splitFields with every field decoded from code page 850.
FieldRow splitConverted(std::string_view line, std::size_t maxFields);
// The same into row, whose storage is kept: a load splits every line of the file.
void splitConvertedInto(std::string_view line, std::size_t maxFields, FieldRow& row);

// The fixed columns of a DATANORM 4 header line (1, 3-8, 9-48, 49-88, 89-123, 124-125,
// 126-128), each decoded from code page 850.
FieldRow splitFixedHeader(std::string_view line);

// Field n (from 1) of a row; empty when the row is shorter.
const std::string& feld(const FieldRow& row, std::size_t n);
// Field n moved into ziel (emptied when the row is shorter), for a field read once. The
// standard library (libstdc++) hands ziel's old storage to the row, so a record filled again and
// the row keep theirs.
void nimm(FieldRow& row, std::size_t n, std::string& ziel);

// The DATANORM version of an article file from its first line and its name: 5 when the
// second character is ";", else 4 when the name has an extension. Throws
// ELoadfromFileExeption when neither applies.
int erkenneVersion(std::string_view ersteZeile, const std::string& dateiname);

// The first line split as its version lays it out.
FieldRow splitKopfzeile(std::string_view ersteZeile, int version);

// True when a raw line is a new-article record: kind "A", processing flag "N".
bool istNeuerArtikel(std::span<const std::string_view> rohfelder);

}  // namespace velmora::datanorm
