// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "core/calc/bearing_capacity.h"
#include "core/calc/capacity_breakdown.h"
#include "core/calc/capacity_formulas.h"
#include "core/state/conversions.h"
#include "worked_example.h"

namespace pali {
namespace {

using fixtures::EnterWorkedExample;

class Breakdown : public ::testing::TestWithParam<NumberFormat> {};

// The figures the report writes out are those CALCOLA PORTANZA shows, to
// the last digit, and each step recomputes from the previous ones bit for bit.
TEST_P(Breakdown, GivesWhatCalcolaPortanzaShowsUnderEachCombination)
{
    const NumberFormat& format = GetParam();
    const double sums[] = {6.1825410, 4.9460328, 6.1825410};
    for (int combination = 0; combination < 3; ++combination) {
        SCOPED_TRACE(combination);
        FormContents form;
        ProjectState state;
        EnterWorkedExample(form, state, 0);
        const CapacityBreakdown figures = BreakDownCapacity(form, state, static_cast<std::size_t>(combination), format);
        form.selectedCombination = combination;
        ComputeBearingCapacity(form, state, format);
        ASSERT_FALSE(figures.error);
        EXPECT_EQ(figures.pointShown, form[Box::M3]);
        EXPECT_EQ(figures.shaftShown, form[Box::M4]);
        EXPECT_EQ(figures.totalShown, form[Box::K3]);
        EXPECT_EQ(figures.groupShown, form[Box::M8]);
        EXPECT_EQ(figures.factoredLoad, form[Box::CARMAG]);
        EXPECT_EQ(figures.point, state.QPUNTA.RealValue());
        EXPECT_EQ(figures.shaft, state.QLAT.RealValue());
        EXPECT_NEAR(figures.sum, sums[combination], 5e-8);
        const DesignCombination& factors = kDesignCombinations[static_cast<std::size_t>(combination)];
        EXPECT_EQ(CellReal(ShaftFromSum(ValueCell(figures.sum), figures.diameterCm, figures.shaftLength, factors)),
                  figures.shaft);
        EXPECT_EQ(CellReal(PointFromProduct(
                      ValueCell(figures.tipUnitWeight) * ValueCell(figures.pointLength) * ValueCell(figures.nq),
                      figures.diameterSquared, factors)),
                  figures.point);
        ASSERT_EQ(figures.layers.size(), 2U);
        EXPECT_EQ(figures.layers[1].designTangent, state.TGANG[2]);
        EXPECT_EQ(figures.groupFactor, 0.94);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLocales, Breakdown, ::testing::Values(NumberFormat::Comma(), NumberFormat::Point()));

TEST(BreakdownFailure, KeepsTheErrorAndNoFigures)
{
    FormContents form;
    ProjectState state;
    EnterWorkedExample(form, state, 0);
    form[Box::C] = "";
    const CapacityBreakdown figures = BreakDownCapacity(form, state, 0, NumberFormat::Comma());
    ASSERT_TRUE(figures.error);
    EXPECT_EQ(figures.error->box(), Box::C);
    EXPECT_TRUE(figures.layers.empty());
}

}  // namespace
}  // namespace pali
