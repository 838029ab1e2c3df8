// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

namespace {

// The build turns off fused multiply-adds for every target, this test among
// them. Rounded on its own, 0.1 * 10 is exactly 1; fused into the sum, the
// representation error of 0.1 survives, as it does on ARM64 by default.
TEST(FloatingPoint, ProductIsRoundedBeforeItIsAdded)
{
    volatile double a = 0.1;
    volatile double b = 10.0;
    volatile double c = -1.0;
    EXPECT_EQ(a * b + c, 0.0);
}

}  // namespace
