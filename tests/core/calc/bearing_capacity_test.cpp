// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "core/calc/bearing_capacity.h"
#include "core/calc/design_combinations.h"
#include "core/state/run_time_error.h"
#include "worked_example.h"

namespace pali {
namespace {

using fixtures::EnterWorkedExample;
using fixtures::StoreLayerRow;

// Under a "." locale the displayed texts are the comma ones with a point.
std::string InLocale(std::string text, const NumberFormat& format)
{
    for (char& c : text) {
        if (c == ',') {
            c = format.decimalSeparator[0];
        }
    }
    return text;
}

struct Expected {
    int combination;
    const char* cartot;
    const char* carmag;
    const char* k3;
    const char* m3;
    const char* m4;
    const char* m8;
    double qpunta;  // the exact doubles of the stated grouping
    double qlat;
};

class WorkedExample : public ::testing::TestWithParam<NumberFormat> {};

TEST_P(WorkedExample, ShowsTheResultsOfEachCombination)
{
    const Expected table[] = {
        {0, "80", "110", "333,07", "193,3", "139,77", "313,09", 0x1.8298c7e28240ap+7, 0x1.178cbdfe71faap+7},
        {1, "80", "89", "190,82", "113,7", "77,12", "179,37", 0x1.c6d1dc198a2dfp+6, 0x1.3477fdc951a1cp+6},
        {2, "80", "110", "264,73", "143,18", "121,54", "248,85", 0x1.1e5e353f7ced8p+7, 0x1.e62c6bd0c6398p+6},
    };
    const NumberFormat& format = GetParam();
    for (const Expected& row : table) {
        SCOPED_TRACE(row.combination);
        FormContents form;
        ProjectState state;
        EnterWorkedExample(form, state, row.combination);
        ComputeBearingCapacity(form, state, format);
        EXPECT_EQ(form[Box::CARTOT], InLocale(row.cartot, format));
        EXPECT_EQ(form[Box::CARMAG], InLocale(row.carmag, format));
        EXPECT_EQ(form[Box::K3], InLocale(row.k3, format));
        EXPECT_EQ(form[Box::M3], InLocale(row.m3, format));
        EXPECT_EQ(form[Box::M4], InLocale(row.m4, format));
        EXPECT_EQ(form[Box::M8], InLocale(row.m8, format));
        EXPECT_EQ(state.QPUNTA, ValueCell(row.qpunta));
        EXPECT_EQ(state.QLAT, ValueCell(row.qlat));
        EXPECT_EQ(state.COEFGR, 0.94);
        EXPECT_EQ(state.JSTRATO, ValueCell::Integer(3));
    }
}

INSTANTIATE_TEST_SUITE_P(BothLocales, WorkedExample, ::testing::Values(NumberFormat::Comma(), NumberFormat::Point()));

TEST(DesignCombinations, ShaftDivisorOfApproachTwoIsTheDoubleProduct)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kDesignCombinations[2].shaftDivisor), 0x405CBFFFFFFFFFFFull);
    EXPECT_EQ(kDesignCombinations[1].shaftDivisor, 145.0);
    EXPECT_EQ(kDesignCombinations[1].pointDivisor, 6.8);
    EXPECT_EQ(kDesignCombinations[2].pointDivisor, 5.4);
}

class Capacity : public ::testing::Test {
protected:
    void Run() { ComputeBearingCapacity(form, state, format); }

    RunTimeError Failure()
    {
        try {
            Run();
        } catch (const RunTimeError& error) {
            return error;
        }
        ADD_FAILURE() << "the run did not fail";
        return RunTimeError(ErrorKind::TypeMismatch);
    }

    FormContents form;
    ProjectState state;
    NumberFormat format = NumberFormat::Comma();
};

TEST_F(Capacity, GroupCapacityComesFromTheDisplayedTotal)
{
    form[Box::A] = "40";
    form[Box::B] = "10";
    form[Box::C] = "1";
    form[Box::K1] = "25";
    form[Box::M5] = "3";
    StoreLayerRow(state, 1, {30.0, 10.0, 1.8, 1.0});
    Run();
    EXPECT_EQ(form[Box::K3], "121,74");
    EXPECT_EQ(form[Box::M8], "105,91");
    EXPECT_DOUBLE_EQ(state.QPUNTA.RealValue(), 56.52);
}

TEST_F(Capacity, ApproachOneCombinationTwoLeavesThePermanentLoadUnfactored)
{
    EnterWorkedExample(form, state, 0);
    form[Box::CP] = "50";
    form[Box::CPNS] = "0";
    form[Box::CV] = "0";
    for (const auto& [combination, factored] : {std::pair{0, "65"}, {1, "50"}, {2, "65"}}) {
        form.selectedCombination = combination;
        Run();
        EXPECT_EQ(form[Box::CARMAG], factored) << combination;
    }
}

TEST_F(Capacity, LayersNeverConfirmedCountAsZero)
{
    EnterWorkedExample(form, state, 0);
    form[Box::C] = "3";  // row 3, the tip, was never stored
    Run();
    EXPECT_EQ(state.QPUNTA, ValueCell(0.0));
    EXPECT_EQ(form[Box::M3], ",");
    EXPECT_EQ(form[Box::M4], "139,77");
    EXPECT_EQ(form[Box::K3], "139,77");
}

TEST_F(Capacity, EmptyNqGivesNoPoint)
{
    EnterWorkedExample(form, state, 1);
    form[Box::K1] = "";
    Run();
    EXPECT_EQ(state.QPUNTA, ValueCell(0.0));
    EXPECT_EQ(form[Box::M4], "77,12");
}

TEST_F(Capacity, RightAngleOfFrictionGivesAFiniteTangent)
{
    EnterWorkedExample(form, state, 0);
    state.ANG[1] = 90.0;
    Run();
    EXPECT_DOUBLE_EQ(state.ANGRAD[1].RealValue(), 1.57);
    EXPECT_NEAR(state.TGANG[1], 1255.77, 0.01);
}

TEST_F(Capacity, TwentyLayersUseRowTwentyForThePoint)
{
    EnterWorkedExample(form, state, 0);
    form[Box::C] = "20";
    for (std::int32_t row = 1; row <= 20; ++row) {
        StoreLayerRow(state, row, {30.0, 1.0, 1.0, 1.0});
    }
    state.PESO[20] = 2.0;
    state.PESO[0] = 99.0;
    Run();
    EXPECT_DOUBLE_EQ(state.QPUNTA.RealValue(), ((2.0 * 12.0 * 30.0) * 3.14 * 0.36) / 4.0);
    EXPECT_NE(state.TGANG[20], 0.0);
    EXPECT_EQ(state.JSTRATO, ValueCell::Integer(21));
}

TEST_F(Capacity, AnotherCombinationChangesEverythingButTheTotalLoad)
{
    EnterWorkedExample(form, state, 0);
    Run();
    const FormContents first = form;
    form.selectedCombination = 1;
    Run();
    for (Box box : {Box::CARMAG, Box::M3, Box::M4, Box::K3, Box::M8}) {
        EXPECT_NE(form[box], first[box]) << BoxName(box);
    }
    EXPECT_EQ(form[Box::CARTOT], first[Box::CARTOT]);
}

TEST_F(Capacity, RepeatedRunsGiveTheSameResults)
{
    EnterWorkedExample(form, state, 2);
    Run();
    const FormContents first = form;
    const ProjectState after = state;
    Run();
    EXPECT_EQ(form, first);
    EXPECT_EQ(state, after);
}

TEST_F(Capacity, RefusesANumberOfPilesWithoutAFactor)
{
    for (const char* piles : {"7", "0", "1,5", "-1"}) {
        EnterWorkedExample(form, state, 0);
        form[Box::M5] = piles;
        const RunTimeError error = Failure();
        EXPECT_EQ(error.box(), Box::M5) << piles;
    }
}

TEST_F(Capacity, TotalThatRoundsToZeroGivesAZeroGroupCapacity)
{
    EnterWorkedExample(form, state, 0);
    form[Box::C] = "0";  // row 0 was never stored: no point, no shaft
    Run();
    EXPECT_EQ(form[Box::K3], ",");
    EXPECT_EQ(form[Box::M8], ",");
}

TEST_F(Capacity, FractionalLayerCountUsesTheSameLayersForPointAndShaft)
{
    EnterWorkedExample(form, state, 0);
    StoreLayerRow(state, 3, {36.0, 4.0, 2.0, 1.0});
    form[Box::C] = "2,6";  // rounds to 3
    Run();
    EXPECT_DOUBLE_EQ(state.QPUNTA.RealValue(), ((2.0 * 12.0 * 30.0) * 3.14 * 0.36) / 4.0);
    EXPECT_NE(state.TGANG[3], 0.0);
    EXPECT_EQ(state.JSTRATO, ValueCell::Integer(4));
}

TEST_F(Capacity, EachFailureNamesItsBox)
{
    struct Case {
        Box box;
        const char* text;
        ErrorKind kind;
    };
    const Case cases[] = {
        {Box::C, "", ErrorKind::TypeMismatch},          {Box::C, "21", ErrorKind::SubscriptOutOfRange},
        {Box::C, "-1", ErrorKind::SubscriptOutOfRange}, {Box::A, "", ErrorKind::TypeMismatch},
        {Box::B, "12 m", ErrorKind::TypeMismatch},      {Box::B, "", ErrorKind::TypeMismatch},
        {Box::M5, "", ErrorKind::TypeMismatch},         {Box::CP, "1e999", ErrorKind::Overflow},
    };
    for (const Case& c : cases) {
        form = {};
        state = {};
        EnterWorkedExample(form, state, 0);
        form[c.box] = c.text;
        const RunTimeError error = Failure();
        EXPECT_EQ(error.kind(), c.kind) << BoxName(c.box) << " '" << c.text << "'";
        EXPECT_EQ(error.box(), c.box) << BoxName(c.box) << " '" << c.text << "'";
    }
}

}  // namespace
}  // namespace pali
