// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <ios>
#include <limits>

#include "core/maths/correctly_rounded_tan.h"
#include "tangent_hard_cases.h"

namespace pali {
namespace {

std::uint64_t Bits(double x)
{
    return std::bit_cast<std::uint64_t>(x);
}

// The committed table holds MPFR's correctly rounded tangents of the hardest
// arguments found, so every target checks itself without MPFR.
TEST(CorrectlyRoundedTan, GivesMpfrsBitsForEveryHardCaseOfEitherSign)
{
    for (const TangentCase& c : kTangentHardCases) {
        const double x = std::bit_cast<double>(c.argument);
        const double tangent = std::bit_cast<double>(c.tangent);
        EXPECT_EQ(Bits(CorrectlyRoundedTan(x)), c.tangent) << std::hexfloat << x;
        EXPECT_EQ(Bits(CorrectlyRoundedTan(-x)), Bits(-tangent)) << std::hexfloat << -x;
    }
}

TEST(CorrectlyRoundedTan, KeepsTheSignOfZero)
{
    EXPECT_EQ(Bits(CorrectlyRoundedTan(0.0)), Bits(0.0));
    EXPECT_EQ(Bits(CorrectlyRoundedTan(-0.0)), Bits(-0.0));
}

TEST(CorrectlyRoundedTan, IsNotANumberForInfinitiesAndNotANumber)
{
    for (double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_TRUE(std::isnan(CorrectlyRoundedTan(x))) << x;
    }
}

}  // namespace
}  // namespace pali
