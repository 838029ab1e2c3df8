// SPDX-License-Identifier: MIT

#include "core/check/length_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/calc/worked_example.h"
#include "core/state/conversions.h"

namespace pali {
namespace {

const NumberFormat kComma = NumberFormat::Comma();

struct WorkedExampleCurve : testing::Test {
    WorkedExampleCurve()
    {
        fixtures::EnterWorkedExample(form, state, 2);
        form[Box::K1] = "40,0";  // the table's, at 34° and L/D 20
    }
    LengthCurve Curve(const char* verticals = "3") const { return CurveOfLengths(form, state, verticals, kComma); }

    FormContents form;
    ProjectState state;
};

// At the typed length, with the layers adding up to it and the table's Nq
// in K1, the curve is the design check itself, to the last digit.
TEST_F(WorkedExampleCurve, AtTheTypedLengthIsTheDesignCheck)
{
    const LengthCurve curve = Curve();
    ASSERT_EQ(curve.profileDepth, 12.0);
    ASSERT_EQ(curve.points.size(), 120U);
    const CurvePoint& typed = curve.points.back();
    EXPECT_EQ(typed.length, 12.0);
    EXPECT_EQ(typed.tipLayer, 2);
    const DesignCheck check = CheckDesign(form, state, "3", kComma);
    for (std::size_t combination = 0; combination < 3; ++combination) {
        EXPECT_EQ(typed.combinations[combination].rd, check.combinations[combination].rd) << combination;
        EXPECT_EQ(typed.combinations[combination].verdict, check.combinations[combination].verdict);
    }
}

// The lengths are the tenths an engineer types, and the tip is the first
// layer whose base is at or below the length, within a millimetre.
// Every length computed from what the lengths share gives what the window
// gives for that pile typed in, digit for digit and error for error, also
// where the shared calculation must give way: cells never stored or whole,
// a group with no factor, a product that overflows deep down, an angle in
// radians beyond the reals.
TEST_F(WorkedExampleCurve, EveryLengthIsThePileTypedIn)
{
    struct Case {
        const char* what;
        void (*change)(FormContents&, ProjectState&);
    };
    const Case cases[] = {
        {"twenty layers",
         [](FormContents& f, ProjectState& s) {
             f[Box::C] = "20";
             f[Box::A] = "100";
             for (std::int32_t row = 1; row <= 20; ++row) {
                 fixtures::StoreLayerRow(s, row, {28.0 + 0.6 * row, 0.35 * row, 1.6 + 0.03 * row, 0.4 + 0.05 * row});
             }
         }},
        {"cells empty or whole",
         [](FormContents& f, ProjectState& s) {
             f[Box::C] = "4";
             s.KLAT[2] = ValueCell::Integer(1);
             s.PESO[2] = ValueCell::Integer(2);
             s.LUNG[3] = ValueCell::Integer(3);
             s.ANG[3] = ValueCell::Integer(36);
             s.ANG[4] = 32.0;
             s.LUNG[4] = 2.5;
         }},
        {"no group factor", [](FormContents& f, ProjectState&) { f[Box::M5] = "7"; }},
        {"overflow deep down", [](FormContents&, ProjectState& s) { s.KLAT[2] = 1e307; }},
        {"angle overflows", [](FormContents&, ProjectState& s) { s.ANG[1] = 1e308; }},
        {"loads unreadable", [](FormContents& f, ProjectState&) { f[Box::CV] = "x"; }},
    };
    for (const Case& c : cases) {
        FormContents typed = form;
        ProjectState layers = state;
        c.change(typed, layers);
        const LengthCurve curve = CurveOfLengths(typed, layers, "3", kComma);
        ASSERT_FALSE(curve.points.empty()) << c.what;
        double above = 0.0;
        std::int32_t tip = 1;
        for (const CurvePoint& point : curve.points) {
            if (point.tipLayer != tip) {
                above += CellReal(layers.LUNG[tip]);
                tip = point.tipLayer;
            }
            if (!point.HasValue()) {
                continue;
            }
            FormContents pile = typed;
            ProjectState pileLayers = layers;
            pile[Box::B] = RealText(point.length, kComma);
            pile[Box::C] = std::to_string(point.tipLayer);
            pile[Box::K1] = OneDecimal(*point.nq.value, kComma);
            pileLayers.LUNG[point.tipLayer] = point.length - above;
            const auto expected =
                CheckCombinations(pile, pileLayers, CorrelationFactorsFor("3", kComma).factors, kComma);
            for (std::size_t option = 0; option < 3; ++option) {
                const CombinationCheck& got = point.combinations[option];
                const CombinationCheck& want = expected[option];
                ASSERT_EQ(got.error.has_value(), want.error.has_value()) << c.what << " at " << point.length;
                if (want.error) {
                    EXPECT_EQ(got.error->kind(), want.error->kind());
                }
                ASSERT_EQ(got.capacity, want.capacity) << c.what << " at " << point.length;
                EXPECT_EQ(got.ed, want.ed);
                EXPECT_EQ(got.rd, want.rd);
                EXPECT_EQ(got.ratio, want.ratio);
                EXPECT_EQ(got.verdict, want.verdict);
            }
        }
    }
}

TEST_F(WorkedExampleCurve, PutsTheTipInTheLayerWhoseBaseItReaches)
{
    struct Case {
        double firstThickness;
        double length;
        std::int32_t tipLayer;
    };
    for (const Case& c : {Case{5.0, 5.0, 1}, Case{5.01, 5.0, 1}, Case{4.99, 5.0, 2}, Case{5.0005, 5.0, 1},
                          Case{5.0, 5.1, 2}, Case{5.0, 0.1, 1}}) {
        state.LUNG[1] = c.firstThickness;
        const LengthCurve curve = Curve();
        const auto step = static_cast<std::size_t>(std::lround(c.length * 10)) - 1;
        ASSERT_LT(step, curve.points.size());
        EXPECT_EQ(curve.points[step].length, std::stod(std::to_string(c.length)));
        EXPECT_EQ(curve.points[step].tipLayer, c.tipLayer) << c.firstThickness << " at " << c.length;
    }
}

TEST_F(WorkedExampleCurve, ALengthBeyondTheTableHasNoValueAndNoVerticalsNoVerdict)
{
    form[Box::A] = "20";  // L/D 50 at 10 m
    const LengthCurve curve = Curve("");
    EXPECT_TRUE(curve.points[99].HasValue());
    EXPECT_FALSE(curve.points[100].HasValue());
    EXPECT_EQ(curve.points[100].nq.missing, NqMissing::SlendernessOutsideTable);
    EXPECT_TRUE(curve.points[99].combinations[2].capacity);
    EXPECT_FALSE(curve.points[99].combinations[2].verdict);
    EXPECT_FALSE(curve.shortestNtc2018.length);
    EXPECT_FALSE(curve.shortestNtc2018.bestRatio);
}

TEST_F(WorkedExampleCurve, AProfileShallowerThanAStepOrUnreadableHasNoLength)
{
    state.LUNG[1] = 0.04;
    state.LUNG[2] = 0.05;
    EXPECT_TRUE(Curve().points.empty());
    form[Box::C] = "25";
    EXPECT_FALSE(Curve().profileDepth);
}

// A thickness of a billion metres, or beyond the reals, stops at 200 m.
TEST_F(WorkedExampleCurve, ADeepProfileIsCutAtTwoHundredMetres)
{
    for (const double thickness : {1e9, std::numeric_limits<double>::infinity()}) {
        state.LUNG[2] = thickness;
        const LengthCurve curve = Curve();
        EXPECT_TRUE(curve.cut);
        ASSERT_EQ(curve.points.size(), 2000U);
        EXPECT_EQ(curve.points.back().length, 200.0);
    }
}

// The shortest length is verified, and so is every longer one with a value;
// the one before it is not. Under loads the pile never carries, there is
// none, and the best Rd/Ed says how far it is.
TEST_F(WorkedExampleCurve, TheShortestLengthStaysVerifiedBelowIt)
{
    const LengthCurve curve = Curve();
    ASSERT_TRUE(curve.shortestNtc2018.length);
    bool reached = false;
    for (const CurvePoint& point : curve.points) {
        reached = reached || point.length == *curve.shortestNtc2018.length;
        if (point.HasValue()) {
            EXPECT_EQ(point.combinations[2].verdict == Verdict::Verified, reached) << point.length;
        }
    }
    form[Box::CP] = "5000";
    const LengthCurve heavy = Curve();
    EXPECT_FALSE(heavy.shortestNtc2018.length);
    EXPECT_FALSE(heavy.shortestNtc2008.length);
    ASSERT_TRUE(heavy.shortestNtc2018.bestRatio);
    EXPECT_LT(*heavy.shortestNtc2018.bestRatio, 1.0);
    EXPECT_EQ(heavy.shortestNtc2018.bestAt, 12.0);
}

// A dense layer over a loose one: verified at the dense layer's base, not
// in the top of the loose one where the point's Nq falls, verified again
// deeper. The shortest length is after the last change.
TEST_F(WorkedExampleCurve, AVerdictThatFlipsBackTakesTheLengthAfterTheLastFlip)
{
    form[Box::C] = "2";
    fixtures::StoreLayerRow(state, 1, {40.0, 8.0, 2.0, 1.0});
    fixtures::StoreLayerRow(state, 2, {28.0, 22.0, 1.6, 1.0});
    form[Box::CP] = "120";
    form[Box::CPNS] = form[Box::CV] = "0";
    const LengthCurve curve = Curve();
    int flips = 0;
    for (std::size_t at = 1; at < curve.points.size(); ++at) {
        flips += (curve.points[at].combinations[2].verdict == Verdict::Verified) !=
                 (curve.points[at - 1].combinations[2].verdict == Verdict::Verified);
    }
    ASSERT_GE(flips, 3);
    ASSERT_TRUE(curve.shortestNtc2018.length);
    EXPECT_GT(*curve.shortestNtc2018.length, 8.0);
    const auto first = std::ranges::find_if(
        curve.points, [&](const CurvePoint& point) { return point.length == *curve.shortestNtc2018.length; });
    ASSERT_NE(first, curve.points.begin());
    EXPECT_EQ((first - 1)->combinations[2].verdict, Verdict::NotVerified);
}

}  // namespace
}  // namespace pali
