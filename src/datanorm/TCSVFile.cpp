#include "datanorm/TCSVFile.h"

#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/FileName.h"
#include "base/Utf16.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormFiles.h"

namespace velmora::datanorm {

namespace {

constexpr std::string_view kByteOrderMark = "\xFF\xFE";

std::string utf16LeBytes(std::string_view text) {
    std::string bytes;
    for (char16_t unit : utf8ToUtf16(text)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// A dangling odd byte is dropped.
std::string textOfUtf16LeBytes(std::string_view bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return utf16ToUtf8(units);
}

}  // namespace

const std::string& TCSVFile::getCell(std::size_t col, std::size_t row) const {
    static const std::string empty;
    if (row >= FRows.size() || col >= FRows[row].size()) {
        return empty;
    }
    return FRows[row][col];
}

void TCSVFile::setCell(std::size_t col, std::size_t row, std::string text) {
    if (row >= FRows.size()) {
        FRows.resize(row + 1);
    }
    if (col >= FRows[row].size()) {
        FRows[row].resize(col + 1);
    }
    FRows[row][col] = std::move(text);
}

void TCSVFile::LoadFromFile(const std::string& path) {
    const std::string bytes = readWholeFile(path, kMaxSeitendateiBytes);
    const std::string text =
        bytes.starts_with(kByteOrderMark)
            ? textOfUtf16LeBytes(std::string_view(bytes).substr(kByteOrderMark.size()))
            : toUtf8(bytes, CodePage::Windows1252);
    FRows.clear();
    for (std::string_view line : splitLines(text)) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t pos = line.find(';'); pos != std::string_view::npos;
             pos = line.find(';', start)) {
            cells.emplace_back(line.substr(start, pos - start));
            start = pos + 1;
        }
        cells.emplace_back(line.substr(start));
        FRows.push_back(std::move(cells));
    }
}

void TCSVFile::SaveToFile(const std::string& path, bool unicode) const {
    std::string text;
    for (std::size_t row = 0; row < FRows.size(); ++row) {
        if (row > 0) {
            text += "\r\n";
        }
        for (std::size_t col = 0; col < FRows[row].size(); ++col) {
            if (col > 0) {
                text += ';';
            }
            text += FRows[row][col];
        }
    }
    const std::string bytes = unicode ? std::string(kByteOrderMark) + utf16LeBytes(text)
                                      : fromUtf8(text, CodePage::Windows1252);
    if (const WriteResult written = writeFileAtomically(path, bytes); !written) {
        throw EDatanormFileError("Die Datei " + quotedFileName(path) +
                                 " kann nicht geschrieben werden: " + written.error + ".");
    }
}

}  // namespace velmora::datanorm
