// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <optional>
#include <string>

#include "core/calc/bearing_capacity.h"
#include "core/calc/worked_example.h"
#include "core/check/design_check.h"
#include "core/state/conversions.h"

namespace pali {
namespace {

const NumberFormat kComma = NumberFormat::Comma();

struct NqCase {
    const char* angle;  // of the tip layer
    const char* slenderness;
    std::optional<double> nq;
};

// A 100 cm pile, so that its length in metres is L/D.
NqReading NqOfTip(double angle, const std::string& slenderness, const char* layers = "1")
{
    FormContents form;
    ProjectState state;
    form[Box::A] = "100";
    form[Box::B] = slenderness;
    form[Box::C] = layers;
    state.ANG[1] = angle;
    return NqFromTable(form, state, kComma);
}

TEST(NqFromTable, IsReadAsByHandAtCornersEdgesAndBetween)
{
    const NqCase cases[] = {
        {"28", "25", 12.0},   {"40", "50", 136.0},  {"40", "25", 137.0}, {"28", "50", 9.0},  {"38", "25", 89.0},
        {"29", "25", 14.5},   {"31", "37,5", 19.5}, {"33", "30", 31.9},  {"35", "20", 49.0},  // below 25, the row of 25
        {"28,2", "25", 12.5},  // 12,4999999999999982 in binary
        {"27,9", "25", {}},   {"40,1", "25", {}},   {"30", "50,1", {}},  {"30", "0", {}},    {"30", "-5", {}},
    };
    for (const NqCase& c : cases) {
        const NqReading reading = NqOfTip(LocaleReal(c.angle, kComma), c.slenderness);
        EXPECT_EQ(reading.value, c.nq) << c.angle << "° L/D " << c.slenderness;
        EXPECT_NE(reading.missing.has_value(), c.nq.has_value()) << c.angle << "° L/D " << c.slenderness;
    }
}

TEST(NqFromTable, GivesAReasonWhenTheWindowCannotBeRead)
{
    EXPECT_FALSE(NqOfTip(30, "25", "0").value);
    EXPECT_FALSE(NqOfTip(30, "25", "due").value);
    EXPECT_FALSE(NqOfTip(30, "", "1").value);
    EXPECT_EQ(NqOfTip(30, "", "1").unreadableBox, Box::B);
}

TEST(CorrelationFactors, TakeTheColumnOfTheVerticalsOrTheOneBelow)
{
    const double xi3[] = {1.70, 1.65, 1.60, 1.55, 1.50, 1.50, 1.45, 1.45, 1.45, 1.40, 1.40, 1.40};
    const double xi4[] = {1.70, 1.55, 1.48, 1.42, 1.34, 1.34, 1.28, 1.28, 1.28, 1.21, 1.21, 1.21};
    for (int v = 1; v <= 12; ++v) {
        const auto reading = CorrelationFactorsFor(" " + std::to_string(v) + " ", kComma);
        ASSERT_TRUE(reading.factors) << v;
        EXPECT_EQ(reading.factors->xi3, xi3[v - 1]) << v;
        EXPECT_EQ(reading.factors->xi4, xi4[v - 1]) << v;
    }
    for (const char* refused : {"0", "-1", "2,5", "testo", "2.5"}) {
        const auto reading = CorrelationFactorsFor(refused, kComma);
        EXPECT_FALSE(reading.factors) << refused;
        EXPECT_TRUE(reading.problem) << refused;
    }
    EXPECT_FALSE(CorrelationFactorsFor("", kComma).problem);
}

struct Figures {
    const char* ed;
    const char* rd;
    const char* ratio;
    std::optional<Verdict> verdict;
};

void ExpectFigures(const CombinationCheck& check, const Figures& figures)
{
    SCOPED_TRACE(std::string(check.name));
    EXPECT_FALSE(check.error);
    EXPECT_EQ(check.ed ? TwoDecimals(*check.ed, kComma) : "", figures.ed);
    EXPECT_EQ(check.rd ? TwoDecimals(*check.rd, kComma) : "", figures.rd);
    EXPECT_EQ(check.ratio ? TwoDecimals(*check.ratio, kComma) : "", figures.ratio);
    EXPECT_EQ(check.verdict, figures.verdict);
}

struct WorkedExample : testing::Test {
    WorkedExample() { fixtures::EnterWorkedExample(form, state, 1); }
    DesignCheck Check(const char* verticals) const { return CheckDesign(form, state, verticals, kComma); }

    FormContents form;
    ProjectState state;
};

// The worked example's capacities M8 (313,09, 179,37 and 248,85) over xi3 of
// three verticals, 1,60, whatever combination the window has selected.
TEST_F(WorkedExample, IsVerifiedUnderEveryCombination)
{
    const DesignCheck check = Check("3");
    ExpectFigures(check.combinations[0], {"110,00", "195,68", "1,78", Verdict::Verified});
    ExpectFigures(check.combinations[1], {"89,00", "112,11", "1,26", Verdict::Verified});
    ExpectFigures(check.combinations[2], {"110,00", "155,53", "1,41", Verdict::Verified});
    EXPECT_EQ(check.approach1Ntc2008, Verdict::Verified);
    EXPECT_EQ(check.approach2Ntc2008Ntc2018, Verdict::Verified);
    EXPECT_EQ(check.nq.value, 40.0);  // 34° at L/D 20, the row of 25
    EXPECT_TRUE(check.warnings.empty());
}

TEST_F(WorkedExample, UnderHeavierLoadsIsNotVerified)
{
    form[Box::CP] = "150";
    const DesignCheck check = Check("1");
    ExpectFigures(check.combinations[0], {"240,00", "184,17", "0,77", Verdict::NotVerified});
    ExpectFigures(check.combinations[2], {"240,00", "146,38", "0,61", Verdict::NotVerified});
    EXPECT_EQ(check.approach1Ntc2008, Verdict::NotVerified);
    EXPECT_EQ(check.approach2Ntc2008Ntc2018, Verdict::NotVerified);
}

// 1,3 x CP overflows under A1 alone: those two fail naming CP, A2 still checks.
TEST_F(WorkedExample, AFailingCombinationLeavesTheOthersChecked)
{
    form[Box::CP] = "1,5e308";
    const DesignCheck check = Check("3");
    for (std::size_t a1 : {0U, 2U}) {
        ASSERT_TRUE(check.combinations[a1].error);
        EXPECT_EQ(check.combinations[a1].error->box(), Box::CP);
        EXPECT_FALSE(check.combinations[a1].ed);
    }
    EXPECT_EQ(check.combinations[1].verdict, Verdict::NotVerified);
    EXPECT_EQ(check.approach1Ntc2008, Verdict::NotVerified);
    EXPECT_FALSE(check.approach2Ntc2008Ntc2018);
}

TEST_F(WorkedExample, WithoutCompressionOrVerticalsHasNoVerdict)
{
    form[Box::CP] = form[Box::CPNS] = form[Box::CV] = "0";
    const DesignCheck unloaded = Check("3");
    ExpectFigures(unloaded.combinations[0], {"0,00", "195,68", "", {}});
    EXPECT_FALSE(unloaded.approach1Ntc2008);

    fixtures::EnterWorkedExample(form, state, 1);
    const DesignCheck unknown = Check("");
    ExpectFigures(unknown.combinations[0], {"110,00", "", "", {}});
    EXPECT_FALSE(unknown.approach2Ntc2008Ntc2018);
    ASSERT_EQ(unknown.warnings.size(), 1U);
    EXPECT_EQ(unknown.warnings[0].kind, CheckWarning::Kind::NoVerticals);
}

// The number of layers is read once for the check, the table's Nq and the
// profile: beyond the table's 20 rows it is said, and the profile shows 20.
TEST_F(WorkedExample, AFewLayersTooManyAreAWarning)
{
    form[Box::C] = "25";
    const DesignCheck check = Check("3");
    ASSERT_FALSE(check.warnings.empty());
    EXPECT_EQ(check.warnings.front().kind, CheckWarning::Kind::LayerCountBeyondTable);
    EXPECT_EQ(check.warnings.front().row, 25);
    EXPECT_EQ(check.nq.missing, NqMissing::LayerCountNotInTable);
    EXPECT_EQ(ReadLayerCount(form, kComma).RowsShown(), kLastLayerRow);
}

TEST(TwoDecimals, AreCorrectlyRoundedFromTheExactValue)
{
    EXPECT_EQ(TwoDecimals(2.675, kComma), "2,67");  // 2,67499999999999982236431605997495353221893310546875
    EXPECT_EQ(TwoDecimals(1.005, NumberFormat::Point()), "1.00");
    EXPECT_EQ(TwoDecimals(0.125, kComma), "0,12");  // a true half: to even
}

namespace ties {

// A fraction's exact decimal with the separator, or none when it does not end.
std::optional<std::string> ExactDecimal(std::int64_t numerator, std::int64_t denominator, const std::string& point)
{
    int decimals = 0;
    for (std::int64_t rest = denominator / std::gcd(numerator, denominator); rest != 1; ++decimals) {
        if (rest % 2 != 0 && rest % 5 != 0) {
            return std::nullopt;
        }
        rest /= rest % 2 == 0 ? 2 : 5;
    }
    std::int64_t scaled = numerator;
    std::int64_t power = 1;
    for (int digit = 0; digit < decimals; ++digit) {
        scaled *= 10;
        power *= 10;
    }
    const std::int64_t units = scaled / denominator;
    std::string fraction = std::to_string(units % power + power).substr(1);
    return std::to_string(units / power) + (decimals > 0 ? point + fraction : "");
}

// A read-out such as "525,51" or "193,3" in hundredths.
std::int64_t Hundredths(const std::string& shown, const std::string& point)
{
    const std::size_t at = shown.find(point);
    const std::string decimals = at == std::string::npos ? "" : shown.substr(at + point.size());
    return std::stoll("0" + shown.substr(0, at)) * 100 + std::stoll((decimals + "00").substr(0, 2));
}

struct Tie {
    int combination;
    const char* verticals;
    NumberFormat format;
};

// Projects where Ed equals M8 / xi3 to the last decimal: the load that makes
// them equal is found from the capacity shown, and kept when the factored
// load the window shows writes that decimal exactly.
TEST(DesignCheck, AnEqualityOfTheDecimalsIsVerified)
{
    const Tie ties[] = {
        {0, "3", kComma}, {0, "1", NumberFormat::Point()}, {0, "5", kComma},
        {1, "3", kComma}, {1, "2", NumberFormat::Point()}, {1, "10", kComma},
        {2, "3", kComma}, {2, "4", NumberFormat::Point()}, {2, "7", kComma},
    };
    for (const Tie& tie : ties) {
        SCOPED_TRACE(testing::Message() << "combination " << tie.combination << ", " << tie.verticals
                                        << " verticals, separator " << tie.format.decimalSeparator);
        const int xi3 = CorrelationFactorsFor(tie.verticals, tie.format).factors->Xi3Hundredths();
        // The load in CV, times 1,5 under A1, or in CP, as read, under A2.
        const Box load = tie.combination == 1 ? Box::CP : Box::CV;
        const std::int64_t factorHalves = tie.combination == 1 ? 2 : 3;
        int found = 0;
        for (int diameter = 30; diameter <= 900 && found < 3; ++diameter) {
            FormContents form;
            ProjectState state;
            fixtures::EnterWorkedExample(form, state, tie.combination);
            form[Box::A] = std::to_string(diameter);
            form[Box::M5] = "1";
            form[Box::CP] = form[Box::CPNS] = form[Box::CV] = "0";
            FormContents shown = form;
            ComputeBearingCapacity(shown, state, tie.format);
            const std::int64_t capacity = Hundredths(shown[Box::M8], tie.format.decimalSeparator);
            const auto ed = ExactDecimal(capacity, xi3, tie.format.decimalSeparator);
            const auto typed = ExactDecimal(capacity * 2, xi3 * factorHalves, tie.format.decimalSeparator);
            if (!ed || !typed) {
                continue;
            }
            form[load] = *typed;
            shown = form;
            ComputeBearingCapacity(shown, state, tie.format);
            if (shown[Box::CARMAG] != *ed) {
                continue;  // the factored load does not write the decimal exactly
            }
            ++found;
            const DesignCheck check = CheckDesign(form, state, tie.verticals, tie.format);
            EXPECT_EQ(check.combinations[tie.combination].verdict, Verdict::Verified)
                << shown[Box::M8] << " / " << xi3 << " = " << *ed;
            form[load] = *typed + "1";  // a hair more load
            EXPECT_EQ(CheckDesign(form, state, tie.verticals, tie.format).combinations[tie.combination].verdict,
                      Verdict::NotVerified)
                << form[load];
        }
        EXPECT_GT(found, 0);
    }
}

}  // namespace ties

}  // namespace
}  // namespace pali
