#pragma once

#include <array>

namespace velmora {

// Key and initialisation vector of the custom price files (AES-256-CBC).
struct PriceFileKey {
    std::array<unsigned char, 32> key{};
    std::array<unsigned char, 16> vector{};
};

// Derived at run time; the same on every call and every installation.
PriceFileKey priceFileKey();

}  // namespace velmora
