#include "base/LenientNumber.h"

#include <cctype>
#include <charconv>
#include <string>
#include <system_error>

namespace velmora {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest prefix that is a decimal number with "." as separator
// (leading blanks allowed); 0 when there is none.
std::size_t numberPrefixLength(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') {
        ++i;
    }
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < s.size() && isDigit(s[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        std::size_t expDigits = 0;
        while (j < s.size() && isDigit(s[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) {
            i = j;
        }
    }
    return i;
}

}  // namespace

double parseLenient(std::string_view text) {
    std::string s(text);
    std::size_t length = numberPrefixLength(s);
    if (length < s.size() && s[length] == ',') {
        s[length] = '.';
        length = numberPrefixLength(s);
    }
    if (length == 0) {
        return 0.0;
    }
    std::size_t start = s.find_first_not_of(' ');
    if (s[start] == '+') {
        ++start;  // from_chars takes no plus sign
    }
    double value = 0.0;
    const char* first = s.data() + start;
    const char* last = s.data() + length;
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last) {
        return 0.0;
    }
    return value;
}

}  // namespace velmora
