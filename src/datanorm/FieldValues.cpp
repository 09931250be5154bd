#include "datanorm/FieldValues.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "base/LenientNumber.h"
#include "base/NumberFormat.h"

namespace velmora::datanorm {

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

int digitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

year_month_day toYmd(double datum) {
    return year_month_day{kEpoch + days{static_cast<long>(std::floor(datum))}};
}

// Order of day, month and year in the short date format, by their first letters.
std::string fieldOrder(const std::string& format) {
    std::string order;
    for (char c : format) {
        if ((c == 'd' || c == 'M' || c == 'y') && order.find(c) == std::string::npos) {
            order.push_back(c);
        }
    }
    return order;
}

}  // namespace

std::int32_t parseInteger(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return 0;
    }
    return value;
}

std::uint8_t parseByte(std::string_view text) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(parseInteger(text)) & 0xFFu);
}

double parseDecimal(std::string_view text) {
    return parseLenient(text);
}

std::optional<double> dateValue(int y, int m, int d) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) {
        return std::nullopt;
    }
    const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)},
                             day{static_cast<unsigned>(d)}};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return static_cast<double>((sys_days{ymd} - kEpoch).count());
}

double parseDatumJJJJMMTT(std::string_view text) {
    text = trimBlanks(text);
    if (text.size() != 8 || !allDigits(text)) {
        return 0.0;
    }
    return dateValue(digitsValue(text.substr(0, 4)), digitsValue(text.substr(4, 2)),
                     digitsValue(text.substr(6, 2)))
        .value_or(0.0);
}

double parseDatumTTMMJJ(std::string_view text) {
    text = trimBlanks(text);
    if (text.size() != 6 || !allDigits(text)) {
        return 0.0;
    }
    const int yy = digitsValue(text.substr(4, 2));
    return dateValue(yy < 70 ? 2000 + yy : 1900 + yy, digitsValue(text.substr(2, 2)),
                     digitsValue(text.substr(0, 2)))
        .value_or(0.0);
}

std::string formatShortDate(double datum) {
    const year_month_day ymd = toYmd(datum);
    const std::string& format = numberFormat().shortDateFormat;
    std::string result;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c) {
            ++run;
        }
        char buffer[16];
        if (c == 'd' || c == 'M') {
            const unsigned value =
                c == 'd' ? static_cast<unsigned>(ymd.day()) : static_cast<unsigned>(ymd.month());
            std::snprintf(buffer, sizeof buffer, run >= 2 ? "%02u" : "%u", value);
            result += buffer;
        } else if (c == 'y') {
            const int y = static_cast<int>(ymd.year());
            std::snprintf(buffer, sizeof buffer, run <= 2 ? "%02d" : "%04d",
                          run <= 2 ? y % 100 : y);
            result += buffer;
        } else {
            result.append(run, c);
        }
        i += run;
    }
    return result;
}

std::optional<double> parseShortDate(std::string_view text) {
    text = trimBlanks(text);
    std::vector<std::string_view> groups;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            return std::nullopt;
        }
        if (c < '0' || c > '9') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
        groups.push_back(text.substr(i, end - i));
        i = end;
    }
    const std::string order = fieldOrder(numberFormat().shortDateFormat);
    if (groups.size() != 3 || order.size() != 3) {
        return std::nullopt;
    }
    int y = 0;
    int m = 0;
    int d = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        if (groups[k].size() > 4) {
            return std::nullopt;
        }
        const int value = digitsValue(groups[k]);
        if (order[k] == 'd') {
            d = value;
        } else if (order[k] == 'M') {
            m = value;
        } else {
            y = groups[k].size() <= 2 ? (value < 50 ? 2000 + value : 1900 + value) : value;
        }
    }
    return dateValue(y, m, d);
}

std::string formatIsoDate(double datum) {
    const year_month_day ymd = toYmd(datum);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return buffer;
}

}  // namespace velmora::datanorm
