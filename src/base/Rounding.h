#pragma once

namespace velmora {

// Millimetre geometry: nearest whole number, halves away from zero (2.5 -> 3, -2.5 -> -3).
// Values beyond the int range are clamped to it; NaN gives 0.
int roundHalfAwayFromZero(double value);

// Pixels and page layout: nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4).
// Values beyond the int range are clamped to it; NaN gives 0.
int roundHalfToEven(double value);

}  // namespace velmora
