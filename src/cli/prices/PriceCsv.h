#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One "artNr;price" line of a price list.
struct PriceCsvLine {
    std::size_t lineNumber = 0;
    std::string articleNo;
    double price = 0;
};

// A line that could not be read, with the reason for the dealer.
struct PriceCsvError {
    std::size_t lineNumber = 0;
    std::string reason;
};

struct PriceCsv {
    std::vector<PriceCsvLine> lines;
    std::vector<PriceCsvError> errors;
};

// Reads a price list: UTF-8 (with or without byte-order mark) or, when the bytes are no
// valid UTF-8, Windows-1252; LF or CR LF line ends; blank lines skipped; the first
// non-blank line is taken as a header when it holds no price after a ";".
PriceCsv readPriceCsv(std::string_view bytes);

// The header line written before the prices.
inline constexpr std::string_view kPriceCsvHeader = "Artikelnummer;Preis";

}  // namespace velmora
