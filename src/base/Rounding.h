#pragma once

#include <cmath>
#include <limits>

namespace velmora {

namespace rounding_detail {
// The int for a value that int cannot hold: the nearer end of its range; 0 for NaN.
inline int outsideIntRange(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return value < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}
}  // namespace rounding_detail

// Millimetre geometry: nearest whole number, halves away from zero (2.5 -> 3, -2.5 -> -3).
// Values beyond the int range are clamped to it; NaN gives 0. Inline and without a library
// call: the search rounds every corner of every outline it tries.
inline int roundHalfAwayFromZero(double value) {
    if (value > std::numeric_limits<int>::min() && value < std::numeric_limits<int>::max()) {
        // Inside the int range the truncation is exact, and so is the fraction it leaves.
        const int ganz = static_cast<int>(value);
        const double rest = value - ganz;
        return ganz + (rest >= 0.5 ? 1 : 0) - (rest <= -0.5 ? 1 : 0);
    }
    return rounding_detail::outsideIntRange(value);
}

// Pixels and page layout: nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4).
// Values beyond the int range are clamped to it; NaN gives 0.
int roundHalfToEven(double value);

}  // namespace velmora
