#include "base/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace velmora {

namespace {

NumberFormat current;

struct LanguageConvention {
    std::string_view language;
    char decimal;
    std::string_view thousands;
    std::string_view date;
};

constexpr std::string_view noBreakSpace = "\xC2\xA0";

constexpr std::array<LanguageConvention, 16> conventions{{
    {"de", ',', ".", "dd.MM.yyyy"},
    {"nl", ',', ".", "dd-MM-yyyy"},
    {"da", ',', ".", "dd.MM.yyyy"},
    {"it", ',', ".", "dd/MM/yyyy"},
    {"es", ',', ".", "dd/MM/yyyy"},
    {"pt", ',', ".", "dd/MM/yyyy"},
    {"tr", ',', ".", "dd.MM.yyyy"},
    {"fr", ',', noBreakSpace, "dd/MM/yyyy"},
    {"pl", ',', noBreakSpace, "dd.MM.yyyy"},
    {"cs", ',', noBreakSpace, "dd.MM.yyyy"},
    {"ru", ',', noBreakSpace, "dd.MM.yyyy"},
    {"sv", ',', noBreakSpace, "yyyy-MM-dd"},
    {"fi", ',', noBreakSpace, "dd.MM.yyyy"},
    {"nb", ',', noBreakSpace, "dd.MM.yyyy"},
    {"en", '.', ",", "MM/dd/yyyy"},
    {"ja", '.', ",", "yyyy/MM/dd"},
}};

}  // namespace

const NumberFormat& numberFormat() {
    return current;
}

void setNumberFormat(const NumberFormat& format) {
    current = format;
}

NumberFormat numberFormatForLocale(const std::string& localeName) {
    const std::string language = localeName.substr(0, localeName.find_first_of("_.@"));
    // Switzerland and Liechtenstein group with an apostrophe and use the decimal point.
    const std::string territory =
        localeName.size() >= 5 && localeName[2] == '_' ? localeName.substr(3, 2) : std::string();
    if ((language == "de" || language == "it" || language == "fr") &&
        (territory == "CH" || territory == "LI")) {
        return NumberFormat{'.', "'", "dd.MM.yyyy"};
    }
    for (const auto& c : conventions) {
        if (language == c.language) {
            return NumberFormat{c.decimal, std::string(c.thousands), std::string(c.date)};
        }
    }
    return NumberFormat{'.', ",", "yyyy-MM-dd"};
}

NumberFormat numberFormatFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return numberFormatForLocale(value);
        }
    }
    return numberFormatForLocale("C");
}

std::string formatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 20);
    std::array<char, 400> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        return "0";
    }
    std::string text(buffer.data(), end);
    std::replace(text.begin(), text.end(), '.', current.decimalSeparator);
    return text;
}

std::string formatGrouped(double value, int decimals) {
    std::string text = formatFixed(value, decimals);
    const std::size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
    std::size_t integerEnd = text.find(current.decimalSeparator, start);
    if (integerEnd == std::string::npos || decimals <= 0) {
        integerEnd = text.size();
    }
    if (current.thousandsSeparator.empty()) {
        return text;
    }
    for (std::size_t i = integerEnd; i > start + 3; i -= 3) {
        text.insert(i - 3, current.thousandsSeparator);
    }
    return text;
}

}  // namespace velmora
