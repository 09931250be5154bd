#include <gtest/gtest.h>

#include "base/NumberFormat.h"

int main(int argc, char** argv) {
    // Expected texts in the tests are written as a German user sees them.
    velmora::setNumberFormat(velmora::NumberFormat{',', ".", "dd.MM.yyyy"});
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
