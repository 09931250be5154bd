#include <gtest/gtest.h>

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

TEST(Rounding, ClampsWhatIntCannotHold) {
    EXPECT_EQ(roundHalfAwayFromZero(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfToEven(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(roundHalfAwayFromZero(std::nan("")), 0);
}
