#pragma once

#include <string>
#include <string_view>

namespace velmora {

// UTF-16 code units from their byte form; a trailing odd byte is dropped.
std::u16string utf16FromLittleEndian(std::string_view bytes);
std::u16string utf16FromBigEndian(std::string_view bytes);

// The byte form of UTF-16 code units, little-endian.
std::string utf16ToLittleEndian(std::u16string_view text);

}  // namespace velmora
