#include "prices/PriceFileName.h"

#include <cstddef>

namespace velmora {

namespace {

constexpr std::size_t kMaxArticleCharacters = 260;

bool isRemoved(char c) {
    switch (c) {
        case '"':
        case '*':
        case '/':
        case ':':
        case '<':
        case '>':
        case '?':
        case '\\':
        case '|':
            return true;
        default:
            return false;
    }
}

// Characters, not bytes: every UTF-8 lead byte starts one.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace

std::string customPriceBaseName(std::string_view articleNo) {
    if (characterCount(articleNo) > kMaxArticleCharacters ||
        articleNo.find('\0') != std::string_view::npos) {
        return {};
    }
    std::string name;
    for (const char c : articleNo) {
        if (!isRemoved(c)) {
            name += c;
        }
    }
    return name;
}

}  // namespace velmora
