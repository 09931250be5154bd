#include "base/FileName.h"

#include <array>
#include <system_error>

namespace velmora {

std::string quotedFileName(const std::filesystem::path& path) {
    static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    const std::string name = path.string();
    std::string quoted = "\"";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0x0F];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string systemReason(int errorNumber) {
    return std::generic_category().message(errorNumber);
}

}  // namespace velmora
