#include <gtest/gtest.h>

#include "base/NumberFormat.h"

using namespace velmora;

TEST(NumberFormat, FormatsWithTheUsersSeparators) {
    EXPECT_EQ(formatFixed(2.5, 2), "2,50");
    EXPECT_EQ(formatFixed(2.5, 0), "2");  // printf rounds the exact half to even
    EXPECT_EQ(formatFixed(3.5, 0), "4");
    EXPECT_EQ(formatFixed(-0.004, 2), "-0,00");
    EXPECT_EQ(formatGrouped(1234567.891, 2), "1.234.567,89");
    EXPECT_EQ(formatGrouped(-1234.5, 2), "-1.234,50");
    EXPECT_EQ(formatGrouped(999, 0), "999");
    EXPECT_EQ(formatGrouped(123456, 0), "123.456");
}

TEST(NumberFormat, FollowsTheLocaleName) {
    const NumberFormat saved = numberFormat();
    setNumberFormat(numberFormatForLocale("en_US.UTF-8"));
    EXPECT_EQ(formatGrouped(1234.5, 2), "1,234.50");
    setNumberFormat(numberFormatForLocale("de_CH.UTF-8"));
    EXPECT_EQ(formatGrouped(1234.5, 2), "1'234.50");
    setNumberFormat(numberFormatForLocale("C"));
    EXPECT_EQ(formatFixed(1.25, 1), "1.2");
    setNumberFormat(saved);
}
