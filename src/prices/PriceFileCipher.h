#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The outer layer of a custom price file: AES-256-CBC with PKCS#7 padding under the
// program's own key and vector (the vector is not stored in the file).

// Always a whole number of blocks, with a full padding block when the text fills blocks.
std::optional<std::string> encryptPriceFile(std::string_view plain);

// Tolerant as the files demand: a length that is no multiple of the block size is filled
// with zero bytes; the padding is removed by the value of the last byte. No value when the
// text is empty or that value is no valid padding length.
std::optional<std::string> decryptPriceFile(std::string_view cipher);

}  // namespace velmora
