#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::datanorm {

// Number and date fields of DATANORM records. A malformed value is not an error: it
// gives 0.

// Decimal integer, blanks around it allowed; anything else (or out of range) gives 0.
std::int32_t parseInteger(std::string_view text);
// The low 8 bits of parseInteger.
std::uint8_t parseByte(std::string_view text);
// Decimal number with "." or ",", longest leading number; unreadable gives 0.
double parseDecimal(std::string_view text);

// Date values count days since 30 December 1899.
std::optional<double> dateValue(int year, int month, int day);
// DATANORM 5 header date YYYYMMDD; 0 when invalid.
double parseDatumJJJJMMTT(std::string_view text);
// DATANORM 4 header date DDMMYY (years below 70 are 20xx); 0 when invalid.
double parseDatumTTMMJJ(std::string_view text);

// The date in the user's short date format (base/NumberFormat).
std::string formatShortDate(double datum);
// A text in the user's short date format; no value when it is not a valid date.
std::optional<double> parseShortDate(std::string_view text);
// "YYYY-MM-DD".
std::string formatIsoDate(double datum);

}  // namespace velmora::datanorm
