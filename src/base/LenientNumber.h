#pragma once

#include <string_view>

namespace velmora {

// Reads a number the way every field, settings line and own text is read: a decimal number
// with "." or "," as separator, an optional sign and exponent; trailing text is ignored.
// Empty text, text without a leading number, "inf"/"nan" and out-of-range values give 0.
// "2,5" -> 2.5, "3 m" -> 3, "0x3" -> 0, "1e400" -> 0.
double parseLenient(std::string_view text);

}  // namespace velmora
