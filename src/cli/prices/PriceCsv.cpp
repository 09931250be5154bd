#include "cli/prices/PriceCsv.h"

#include "base/CodePage.h"
#include "cli/prices/PriceText.h"
#include "prices/PriceFileName.h"

namespace velmora {

namespace {

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned minimum = 0;
        unsigned codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            minimum = 0x80;
            codePoint = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            minimum = 0x800;
            codePoint = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            minimum = 0x10000;
            codePoint = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6U) | (next & 0x3Fu);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string decodeText(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    return isValidUtf8(bytes) ? std::string(bytes) : toUtf8(bytes, CodePage::Windows1252);
}

}  // namespace

PriceCsv readPriceCsv(std::string_view bytes) {
    const std::string text = decodeText(bytes);
    PriceCsv result;
    bool headerPossible = true;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (trimSpaces(line).empty()) {
            continue;
        }
        const bool header = headerPossible;
        headerPossible = false;

        const std::size_t separator = line.find(';');
        const std::string_view priceText =
            separator == std::string_view::npos ? std::string_view() : line.substr(separator + 1);
        const std::optional<double> price = parsePriceText(priceText);
        if (header && !price) {
            continue;
        }
        if (separator == std::string_view::npos) {
            result.errors.push_back({lineNumber, "kein \";\" zwischen Artikelnummer und Preis"});
            continue;
        }
        const std::string articleNo(trimSpaces(line.substr(0, separator)));
        if (priceText.find(';') != std::string_view::npos) {
            result.errors.push_back({lineNumber, "mehr als zwei Spalten"});
        } else if (articleNo.empty()) {
            result.errors.push_back({lineNumber, "Artikelnummer fehlt"});
        } else if (customPriceBaseName(articleNo).empty()) {
            result.errors.push_back(
                {lineNumber, "Artikelnummer \"" + articleNo + "\" ergibt keinen Dateinamen"});
        } else if (!price) {
            result.errors.push_back({lineNumber, "Preis \"" + std::string(trimSpaces(priceText)) +
                                                     "\" ist kein gültiger Preis"});
        } else {
            result.lines.push_back({lineNumber, articleNo, *price});
        }
    }
    return result;
}

}  // namespace velmora
