// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace pali {
namespace {

const NumberFormat kPoint = NumberFormat::Point();
const NumberFormat kComma = NumberFormat::Comma();

template <class Conversion>
ErrorKind KindRaisedBy(Conversion&& conversion)
{
    try {
        conversion();
    } catch (const RunTimeError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no run-time error";
    return ErrorKind::TypeMismatch;
}

struct LeadingCase {
    std::string text;
    double underPoint;
    double underComma;
};

TEST(LeadingNumber, TakesTheLeadingNumberInBothLocales)
{
    // clang-format off
    const LeadingCase cases[] = {
        {"12.5", 12.5, 12.5},
        {"12,5", 12.0, 12.5},  // the locale's own separator counts under a comma
        {"", 0.0, 0.0},
        {"abc", 0.0, 0.0},
        {" 7", 7.0, 7.0},
        {"3 m", 3.0, 3.0},
        {"-2", -2.0, -2.0},
        {"+4.5", 4.5, 4.5},
        {"1.5,3", 1.5, 1.5},  // one decimal point at most: the first that appears
        {"1,5.3", 1.0, 1.5},
        {"2E3", 2000.0, 2000.0},
        {"2e-1x", 0.2, 0.2},
        {"2E", 2.0, 2.0},
        {"2E+", 2.0, 2.0},
        {".5", 0.5, 0.5},
        {"5.", 5.0, 5.0},
        {".", 0.0, 0.0},
        {",", 0.0, 0.0},
        {"+", 0.0, 0.0},
        {"--1", 0.0, 0.0},
        {"   ", 0.0, 0.0},
        {"inf", 0.0, 0.0},
        {"nan", 0.0, 0.0},
        {"1e-999", 0.0, 0.0},
        {std::string("4\0" "5", 3), 4.0, 4.0},
        {"18.5 t/mc", 18.5, 18.5},
        {"é9", 0.0, 0.0},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text, kPoint), c.underPoint) << '"' << c.text << '"';
        EXPECT_EQ(LeadingNumber(c.text, kComma), c.underComma) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, RaisesOverflowBeyondTheRealRange)
{
    EXPECT_EQ(KindRaisedBy([] { LeadingNumber("1e999", kPoint); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { LeadingNumber("-" + std::string(400, '9'), kComma); }), ErrorKind::Overflow);
}

TEST(LocaleReal, ReadsTheWholeTextInTheLocale)
{
    EXPECT_EQ(LocaleReal("12,5", kComma), 12.5);
    EXPECT_EQ(LocaleReal("12.5", kPoint), 12.5);
    EXPECT_EQ(LocaleReal("  42  ", kComma), 42.0);
    EXPECT_EQ(LocaleReal("-0,25", kComma), -0.25);
    EXPECT_EQ(LocaleReal("1E3", kPoint), 1000.0);
    EXPECT_EQ(LocaleReal(",5", kComma), 0.5);
    EXPECT_EQ(LocaleReal("1e-999", kPoint), 0.0);
}

TEST(LocaleReal, RefusesWhatIsNotOneNumberInTheLocale)
{
    // clang-format off
    const std::pair<std::string, NumberFormat> mismatches[] = {
        {"", kComma},       {"12abc", kComma}, {"12.5", kComma}, {"1,5", kPoint},
        {"1.000,5", kComma}, {".", kPoint},     {",", kComma},    {"+", kPoint},
        {"--1", kPoint},    {"inf", kPoint},   {"nan", kPoint},  {"   ", kPoint},
        {"1 2", kPoint},    {std::string("1\0", 2), kPoint},     {"3 m", kPoint},
    };
    // clang-format on
    for (const auto& [text, format] : mismatches) {
        // clang captures a structured binding itself only from version 16.
        EXPECT_EQ(KindRaisedBy([&text = text, &format = format] { LocaleReal(text, format); }), ErrorKind::TypeMismatch)
            << '"' << text << '"';
    }
    EXPECT_EQ(KindRaisedBy([] { LocaleReal("1e999", kPoint); }), ErrorKind::Overflow);
}

TEST(LocaleReal, HandlesAMegabyteOfDigits)
{
    const std::string digits(1 << 20, '7');
    EXPECT_EQ(KindRaisedBy([&] { LocaleReal(digits, kPoint); }), ErrorKind::Overflow);
    EXPECT_EQ(LocaleReal("0." + digits, kPoint), LocaleReal("0.7777777777777777777777", kPoint));
    EXPECT_EQ(LeadingNumber(std::string(1 << 20, ' ') + "5", kPoint), 5.0);
}

TEST(WholeNumbers, RoundHalfToEven)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"2,5", 2},    {"3,5", 4}, {"-2,5", -2}, {"-3,5", -4}, {"2,4999", 2},
        {"2,5001", 3}, {"0,5", 0}, {"1,5", 2},   {"-1", -1},   {"20", 20},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(LocaleLong(text, kComma), expected) << text;
        EXPECT_EQ(LocaleInteger(text, kComma), expected) << text;
    }
    EXPECT_EQ(CellLong(ValueCell(2.5)), 2);
    EXPECT_EQ(CellLong(ValueCell(3.5)), 4);
    EXPECT_EQ(CellLong(ValueCell()), 0);
    EXPECT_EQ(CellLong(ValueCell::Integer(21)), 21);
}

TEST(WholeNumbers, RaiseOverflowOutsideTheirRange)
{
    EXPECT_EQ(KindRaisedBy([] { LocaleLong("3000000000", kPoint); }), ErrorKind::Overflow);
    EXPECT_EQ(LocaleLong("2147483647", kPoint), 2147483647);
    EXPECT_EQ(LocaleLong("-2147483648", kPoint), -2147483647 - 1);
    EXPECT_EQ(KindRaisedBy([] { LocaleInteger("40000", kPoint); }), ErrorKind::Overflow);
    EXPECT_EQ(LocaleInteger("-32768", kPoint), -32768);
    EXPECT_EQ(KindRaisedBy([] { LocaleInteger("32767,5", kComma); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { CellLong(ValueCell(1e10)); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { LocaleLong("", kPoint); }), ErrorKind::TypeMismatch);
}

TEST(RealText, WritesFifteenSignificantDigits)
{
    const std::pair<double, const char*> cases[] = {
        {12.5, "12,5"},
        {100.0, "100"},
        {0.5, "0,5"},
        {1.0 / 3.0, "0,333333333333333"},
        {0.1 + 0.2, "0,3"},
        {-4.25, "-4,25"},
        {0.0, "0"},
        {-0.0, "0"},
        {1000.0 / 60.0, "16,6666666666667"},
        {313.0858, "313,0858"},
        {123456789012345.0, "123456789012345"},
        {0.00001, "0,00001"},
        {1e15, "1E+15"},
        {1.5e-7, "1,5E-07"},
        {-2.5e300, "-2,5E+300"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(RealText(value, kComma), expected);
    }
    EXPECT_EQ(RealText(12.5, kPoint), "12.5");
}

TEST(RealText, ReadsBackAsTheSameNumberToFifteenDigits)
{
    for (double value : {1.0 / 7.0, 333.073287, -0.000123456789, 98765.4321}) {
        for (const auto& format : {kPoint, kComma}) {
            const double back = LocaleReal(RealText(value, format), format);
            EXPECT_NEAR(back, value, std::fabs(value) * 1e-14);
        }
    }
}

TEST(IntegerAndCellText, WriteWholeNumbersAndEmptyCells)
{
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(-7), "-7");
    EXPECT_EQ(CellText(ValueCell(), kComma), "");
    EXPECT_EQ(CellText(ValueCell::Integer(21), kComma), "21");
    EXPECT_EQ(CellText(ValueCell(30.0), kComma), "30");
    EXPECT_EQ(CellText(ValueCell(18.5), kComma), "18,5");
    EXPECT_EQ(CellReal(ValueCell()), 0.0);
    EXPECT_EQ(CellReal(ValueCell::Integer(3)), 3.0);
}

TEST(PictureText, WritesTwoDecimalsWithoutLeadingZero)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12.3456", "12.35"},
        {"1234567.891", "1234567.89"},
        {"5", "5."},
        {"2.5", "2.5"},
        {"0.5", ".5"},
        {"0.004", "."},
        {"0.006", ".01"},
        {"0", "."},
        {"", ""},
        {"abc", "abc"},
        {"12,5", "12,5"},  // not a number under a "." locale: unchanged
        {"-4.256", "-4.26"},
        {"-0.001", "."},
        {"193.2984", "193.3"},
        {"333.073287", "333.07"},
    };
    for (const auto& [content, expected] : cases) {
        EXPECT_EQ(PictureText(content, "#####.##", kPoint), expected) << content;
    }
    EXPECT_EQ(PictureText("193,2984", "#####.##", kComma), "193,3");
    EXPECT_EQ(PictureText("0", "#######.##", kComma), ",");
    EXPECT_EQ(PictureText("12.5", "#####.##", kComma), "12.5");
}

}  // namespace
}  // namespace pali
