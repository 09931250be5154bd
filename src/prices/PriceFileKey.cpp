#include "prices/PriceFileKey.h"

#include <cstddef>
#include <cstdint>

namespace velmora {

// The price files are encrypted so that users do not edit them casually with a text
// editor. This is no protection against an attacker: the key has to be inside the
// program. It is therefore only kept out of plain sight, expanded at run time from a few
// scattered seeds instead of being stored as a byte string.

namespace {

// volatile keeps the optimiser from folding the expansion into a literal key.
volatile std::uint64_t keySeed = 0x5d1c'83a9'e47b'2f60ULL;
volatile std::uint32_t keyTweak = 0x9e37'79b9U;
volatile std::uint32_t vectorTweak = 0x7f4a'7c15U;

std::uint64_t nextMixed(std::uint64_t& state) {
    state += 0x9e37'79b9'7f4a'7c15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30U)) * 0xbf58'476d'1ce4'e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d0'49bb'1331'11ebULL;
    return z ^ (z >> 31U);
}

template <std::size_t N>
void fill(std::array<unsigned char, N>& bytes, std::uint64_t& state) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (i % 8 == 0) {
            word = nextMixed(state);
        }
        bytes[i] = static_cast<unsigned char>(word >> (8U * (i % 8)));
    }
}

}  // namespace

PriceFileKey priceFileKey() {
    PriceFileKey result;
    std::uint64_t state = keySeed ^ (static_cast<std::uint64_t>(keyTweak) << 17U);
    fill(result.key, state);
    state ^= static_cast<std::uint64_t>(vectorTweak) * 0x2545'f491'4f6c'dd1dULL;
    fill(result.vector, state);
    return result;
}

}  // namespace velmora
