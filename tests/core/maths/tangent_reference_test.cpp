// SPDX-License-Identifier: MIT

// The tangent against GNU MPFR on the everyday sets; tangent_sweep runs the
// long ones.
#include <gtest/gtest.h>

#include <bit>
#include <ios>
#include <vector>

#include "mpfr_tangent.h"
#include "tangent_hard_cases.h"

namespace pali {
namespace {

void ExpectNoneMisrounded(const std::vector<double>& arguments)
{
    for (double x : reference::Misrounded(arguments)) {
        ADD_FAILURE() << "misrounded: " << std::hexfloat << x;
    }
}

TEST(TangentAgainstMpfr, EveryFrictionAngleAsTheCalculationFormsIt)
{
    ExpectNoneMisrounded(reference::ProgramAngles());
}

TEST(TangentAgainstMpfr, RandomDoublesOfEveryExponentAndSign)
{
    ExpectNoneMisrounded(reference::RandomDoubles(100000, 1));
}

TEST(TangentAgainstMpfr, NearMultiplesOfAQuarterOfPi)
{
    ExpectNoneMisrounded(reference::NearMultiplesOfQuarterPi(2000, 2));
}

TEST(TangentAgainstMpfr, ExtremesAndReductionBoundaries)
{
    ExpectNoneMisrounded(reference::Extremes());
}

TEST(TangentAgainstMpfr, Subnormals)
{
    ExpectNoneMisrounded(reference::Subnormals(1000, 3));
}

TEST(TangentAgainstMpfr, SmallArgumentsNextToMidpoints)
{
    ExpectNoneMisrounded(reference::SmallArgumentsNextToMidpoints());
}

TEST(TangentAgainstMpfr, CommittedHardCasesAreMpfrsOwn)
{
    for (const TangentCase& c : kTangentHardCases) {
        const double x = std::bit_cast<double>(c.argument);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(reference::Tan(x)), c.tangent) << std::hexfloat << x;
    }
}

}  // namespace
}  // namespace pali
