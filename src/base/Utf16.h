#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Conversion between the program's UTF-8 text and UTF-16 code units, for files stored as
// UTF-16 and for operations defined on code units. Never fails: an invalid UTF-8 sequence
// or an unpaired surrogate becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace velmora
