#include <gtest/gtest.h>

#include <cmath>

#include "base/LenientNumber.h"

using velmora::parseLenient;

TEST(LenientNumber, ReadsTheDocumentedForms) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"2.5", 2.5},       {"2,5", 2.5},     {"3 m", 3.0},   {"", 0.0},
        {"abc", 0.0},       {"-1,25", -1.25}, {"+4", 4.0},    {"1e3", 1000.0},
        {"1.5e-1", 0.15},   {"1e", 1.0},      {".5", 0.5},    {"5.", 5.0},
        {"1.234,5", 1.234}, {"1,2,3", 1.2},   {"  7", 7.0},   {"99999999,9", 99999999.9},
        {"inf", 0.0},       {"nan", 0.0},     {"0x3", 0.0},   {"1e400", 0.0},
        {"-", 0.0},         {",", 0.0},       {"3,5 m", 3.5}, {"12abc", 12.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(parseLenient(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(LenientNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(parseLenient("-0")));
}
