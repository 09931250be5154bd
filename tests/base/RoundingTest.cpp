#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Rounding.h"

using namespace velmora;

TEST(Rounding, HalvesAwayFromZeroAtTheBoundaries) {
    EXPECT_EQ(roundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(roundHalfAwayFromZero(-2.5), -3);
    EXPECT_EQ(roundHalfAwayFromZero(2.4999999), 2);
    EXPECT_EQ(roundHalfAwayFromZero(0.5), 1);
    EXPECT_EQ(roundHalfAwayFromZero(-0.5), -1);
}

TEST(Rounding, TiesToEvenAtTheBoundaries) {
    EXPECT_EQ(roundHalfToEven(2.5), 2);
    EXPECT_EQ(roundHalfToEven(3.5), 4);
    EXPECT_EQ(roundHalfToEven(-2.5), -2);
    EXPECT_EQ(roundHalfToEven(2.5000001), 3);
}

TEST(Rounding, HalvesAwayFromZeroAgreesWithTheLibraryRoundingUpToTheIntRange) {
    constexpr double kleinstes = std::numeric_limits<int>::min();
    constexpr double groesstes = std::numeric_limits<int>::max();
    const double werte[] = {0.0,
                            -0.0,
                            0.49999999999999994,
                            -0.49999999999999994,
                            1.5,
                            -1.5,
                            999999999.5,
                            -999999999.5,
                            4503599627370495.5,
                            groesstes - 0.5,
                            groesstes - 0.50000001,
                            groesstes,
                            groesstes + 0.5,
                            kleinstes + 0.5,
                            kleinstes + 0.49999999,
                            kleinstes,
                            kleinstes - 0.5,
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()};
    for (const double wert : werte) {
        const double gerundet = std::clamp(std::round(wert), kleinstes, groesstes);
        EXPECT_EQ(roundHalfAwayFromZero(wert), static_cast<int>(gerundet)) << wert;
    }
}

TEST(Rounding, ClampsWhatIntCannotHold) {
    EXPECT_EQ(roundHalfAwayFromZero(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfToEven(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(roundHalfAwayFromZero(std::nan("")), 0);
}
