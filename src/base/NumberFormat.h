#pragma once

#include <string>

namespace velmora {

// The user's number and date conventions, process-wide. Every number text shown to the
// user is made with them; machine formats (files, JSON) never are.
struct NumberFormat {
    char decimalSeparator = ',';
    // Empty: no grouping. May be several bytes (a UTF-8 no-break space).
    std::string thousandsSeparator = ".";
    // Order of day, month and year and their separator, as for a short date.
    std::string shortDateFormat = "dd.MM.yyyy";
};

const NumberFormat& numberFormat();
void setNumberFormat(const NumberFormat& format);

// The conventions of a POSIX locale name such as "de_DE.UTF-8", "en_US" or "C".
NumberFormat numberFormatForLocale(const std::string& localeName);
// The conventions named by LC_ALL, LC_NUMERIC or LANG (the first one set).
NumberFormat numberFormatFromEnvironment();

// Value with a fixed count of decimals (as "%0.Nf", halves of the exact binary value
// rounded as printf does), with the user's decimal separator; no grouping.
std::string formatFixed(double value, int decimals);
// Same, with the user's thousands separator between groups of three integer digits.
std::string formatGrouped(double value, int decimals);

}  // namespace velmora
