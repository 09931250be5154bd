#pragma once

#include <algorithm>
#include <limits>

namespace velmora {

class TAufstellvariante;

// The footprint of one tank of a product and the gaps between tanks (mm).
struct TankDimensions {
    int Breite = 0;
    int Laenge = 0;
    int ZusBreite = 0;
    int ZusLaenge = 0;
    int ZusSpezLaenge = 0;
};

// The measures of a battery of a variant (mm, 64-bit so that no catalogue value overflows):
// row-1 width b1, row-2 length L2, overall width W and depth D, and the band Y2 that the
// second row takes with the gap in front of it.
struct BatteryMeasures {
    long long b1 = 0;
    long long L2 = 0;
    long long W = 0;
    long long D = 0;
    long long Y2 = 0;
};

// A 64-bit measure cut to the int range of stored and returned lengths.
inline int clampToInt(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

BatteryMeasures batteryMeasures(const TankDimensions& tank, const TAufstellvariante& variante);

}  // namespace velmora
