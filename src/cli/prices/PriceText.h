#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A field of a price list or an argument without the spaces and tabs around it.
std::string_view trimSpaces(std::string_view text);

// A price as a dealer writes it: a non-negative decimal number with "," or "." as decimal
// separator and nothing else around it but spaces ("12,50", "12.5", " 7 "). No value for
// anything else, including thousands separators, signs, units and "inf".
std::optional<double> parsePriceText(std::string_view text);

// A price for output: the stored form with the user's decimal separator ("1234,5").
std::string formatPriceText(double price);

}  // namespace velmora
