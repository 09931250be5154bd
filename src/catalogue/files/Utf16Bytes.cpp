#include "catalogue/files/Utf16Bytes.h"

namespace velmora {

namespace {

std::u16string fromBytes(std::string_view bytes, bool littleEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += littleEndian ? static_cast<char16_t>(first | (second << 8))
                             : static_cast<char16_t>((first << 8) | second);
    }
    return text;
}

}  // namespace

std::u16string utf16FromLittleEndian(std::string_view bytes) {
    return fromBytes(bytes, true);
}

std::u16string utf16FromBigEndian(std::string_view bytes) {
    return fromBytes(bytes, false);
}

std::string utf16ToLittleEndian(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace velmora
