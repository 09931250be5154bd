#include "cli/prices/PriceText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/NumberFormat.h"
#include "prices/PriceDocument.h"

namespace velmora {

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<double> parsePriceText(std::string_view text) {
    std::string number(trimSpaces(text));
    if (number.empty() || number.front() == '-') {
        return std::nullopt;
    }
    if (std::count(number.begin(), number.end(), ',') +
            std::count(number.begin(), number.end(), '.') >
        1) {
        return std::nullopt;
    }
    std::replace(number.begin(), number.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string formatPriceText(double price) {
    std::string text = formatStoredPrice(price);
    std::replace(text.begin(), text.end(), '.', numberFormat().decimalSeparator);
    return text;
}

}  // namespace velmora
