#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Length of the valid UTF-8 sequence that starts at text[i] (overlong forms, surrogates and
// code points above U+10FFFF rejected), or 0 when the bytes there are not one.
std::size_t validUtf8Length(std::string_view text, std::size_t i);

// Appends the code point (at most U+10FFFF) in UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace velmora
