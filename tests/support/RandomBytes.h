#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace velmora::testing {

// Bytes of a fixed pseudo-random sequence: hostile file content that is the same in every run.
inline std::string randomBytes(std::size_t size) {
    std::mt19937 engine(17);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(engine());
    }
    return bytes;
}

}  // namespace velmora::testing
