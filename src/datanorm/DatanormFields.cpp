#include "datanorm/DatanormFields.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "base/CodePage.h"
#include "datanorm/DatanormErrors.h"

namespace velmora::datanorm {

namespace {

std::string decode(std::string_view bytes) {
    return toUtf8(bytes, CodePage::Cp850);
}

// Columns from 1, inclusive.
struct Column {
    std::size_t first;
    std::size_t last;
};
constexpr std::array<Column, 7> kHeaderColumns{
    {{1, 1}, {3, 8}, {9, 48}, {49, 88}, {89, 123}, {124, 125}, {126, 128}}};

}  // namespace

// Eight bytes at a time: the check runs over every line of a file.
bool istAscii(std::string_view text) {
    std::uint64_t bits = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t block;
        std::memcpy(&block, text.data() + i, 8);
        bits |= block;
    }
    for (; i < text.size(); ++i) {
        bits |= static_cast<unsigned char>(text[i]);
    }
    return (bits & 0x8080808080808080u) == 0;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = zeilenende(text, start);
        if (end > start) {
            lines.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}

std::vector<std::string_view> splitFields(std::string_view line, std::size_t maxFields,
                                          std::size_t* fieldCount) {
    std::vector<std::string_view> fields;
    forEachField(line, maxFields, [&](std::string_view field) { fields.push_back(field); });
    if (fieldCount != nullptr) {
        *fieldCount = static_cast<std::size_t>(std::ranges::count(line, ';'));
    }
    return fields;
}

FieldRow splitConverted(std::string_view line, std::size_t maxFields) {
    FieldRow row;
    forEachField(line, maxFields, [&](std::string_view field) { row.push_back(decode(field)); });
    return row;
}

FieldRow splitFixedHeader(std::string_view line) {
    FieldRow row;
    for (const Column& column : kHeaderColumns) {
        const std::size_t start = column.first - 1;
        row.push_back(start < line.size()
                          ? decode(line.substr(start, column.last - column.first + 1))
                          : std::string());
    }
    return row;
}

const std::string& feld(const FieldRow& row, std::size_t n) {
    static const std::string empty;
    return n >= 1 && n <= row.size() ? row[n - 1] : empty;
}

int erkenneVersion(std::string_view ersteZeile, const std::string& dateiname) {
    if (ersteZeile.size() >= 2 && ersteZeile[1] == ';') {
        return 5;
    }
    const std::string extension = std::filesystem::path(dateiname).extension().string();
    if (extension.size() > 1) {
        return 4;
    }
    throw ELoadfromFileExeption();
}

FieldRow splitKopfzeile(std::string_view ersteZeile, int version) {
    return version == 5 ? splitConverted(ersteZeile, kMaxArtikelFelder)
                        : splitFixedHeader(ersteZeile);
}

bool istNeuerArtikel(std::span<const std::string_view> rohfelder) {
    return rohfelder.size() >= 2 && rohfelder[0] == "A" && rohfelder[1] == "N";
}

}  // namespace velmora::datanorm
