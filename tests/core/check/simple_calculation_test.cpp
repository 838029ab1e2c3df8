// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "core/calc/worked_example.h"
#include "core/check/simple_calculation.h"

namespace pali {
namespace {

using fixtures::EnterWorkedExample;
using fixtures::StoreLayerRow;

struct Ratio {
    double program;
    double simple;
    Agreement agreement;
};

// Judged on the two decimals the report writes: 0,799 is written 0,80.
TEST(CompareWithTheSimpleCalculation, WithinAFifthEitherWayIsConsistent)
{
    const Ratio table[] = {
        {100.0, 100.0, Agreement::Consistent},  {120.0, 100.0, Agreement::Consistent},
        {120.4, 100.0, Agreement::Consistent},  {121.0, 100.0, Agreement::ProgramAbove},
        {80.0, 100.0, Agreement::Consistent},   {79.9, 100.0, Agreement::Consistent},
        {79.4, 100.0, Agreement::ProgramBelow}, {1e20, 1.0, Agreement::ProgramAbove},
        {5.0, 0.0, Agreement::NotComparable},
    };
    for (const Ratio& row : table) {
        SCOPED_TRACE(row.program);
        EXPECT_EQ(Compare(row.program, row.simple).agreement, row.agreement);
    }
}

class SimpleCalculationTest : public ::testing::Test {
protected:
    SimpleCalculation Simply(int combination)
    {
        return CalculateSimply(BreakDownCapacity(form, state, static_cast<std::size_t>(combination), format), state);
    }

    FormContents form;
    ProjectState state;
    NumberFormat format = NumberFormat::Comma();
};

TEST_F(SimpleCalculationTest, RatiosDoNotDependOnTheCombination)
{
    EnterWorkedExample(form, state, 0);
    const SimpleCalculation first = Simply(0);
    const SimpleCalculation second = Simply(1);
    EXPECT_NEAR(*first.pointComparison.ratio, *second.pointComparison.ratio, 1e-12);
    EXPECT_NEAR(*first.shaftComparison.ratio, *second.shaftComparison.ratio, 1e-12);
}

// A heavy tip layer under a light one: the program takes the tip's weight
// over the whole length, and stands above the overburden; the other way
// round, below it.
TEST_F(SimpleCalculationTest, LayersOfDifferentWeightMoveThePointToEitherSide)
{
    EnterWorkedExample(form, state, 0);
    StoreLayerRow(state, 1, {30.0, 10.0, 1.0, 1.0});
    StoreLayerRow(state, 2, {34.0, 2.0, 2.0, 1.0});
    EXPECT_EQ(Simply(2).pointComparison.agreement, Agreement::ProgramAbove);
    StoreLayerRow(state, 1, {30.0, 10.0, 2.0, 1.0});
    StoreLayerRow(state, 2, {34.0, 2.0, 1.0, 1.0});
    EXPECT_EQ(Simply(2).pointComparison.agreement, Agreement::ProgramBelow);
}

}  // namespace
}  // namespace pali
