#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Single-byte code pages of the files the program reads and writes.
enum class CodePage { Cp850, Windows1252 };

// Decodes bytes of the code page to UTF-8. Never fails: a byte the code page leaves
// undefined becomes the control character of the same number (as the platform does).
std::string toUtf8(std::string_view bytes, CodePage codePage);
// The same, appended to text.
void appendUtf8(std::string& text, std::string_view bytes, CodePage codePage);

// Encodes UTF-8 text in the code page; a character the code page lacks, or a byte that is
// not valid UTF-8, becomes "?".
std::string fromUtf8(std::string_view text, CodePage codePage);

}  // namespace velmora
