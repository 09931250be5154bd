#include "base/Rounding.h"

#include <cmath>
#include <limits>

namespace velmora {

namespace {
int clampToInt(double rounded) {
    if (std::isnan(rounded)) {
        return 0;
    }
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (rounded <= lo) {
        return std::numeric_limits<int>::min();
    }
    if (rounded >= hi) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}
}  // namespace

int roundHalfAwayFromZero(double value) {
    return clampToInt(std::round(value));
}

int roundHalfToEven(double value) {
    // nearbyint follows the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    return clampToInt(std::nearbyint(value));
}

}  // namespace velmora
