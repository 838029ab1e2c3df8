// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "core/state/run_time_error.h"
#include "core/state/value_cell.h"

namespace pali {
namespace {

TEST(ValueCell, KeepsTheKindOfItsArithmetic)
{
    const ValueCell empty;
    const ValueCell one = ValueCell::Integer(1);
    EXPECT_EQ(empty + one, ValueCell::Integer(1));
    EXPECT_EQ(one + one, ValueCell::Integer(2));
    EXPECT_EQ(one * ValueCell::Integer(3), ValueCell::Integer(3));
    EXPECT_EQ(one + ValueCell(0.5), ValueCell(1.5));
    EXPECT_EQ(empty * ValueCell(0.5), ValueCell(0.0));
    EXPECT_EQ(ValueCell::Integer(3) / ValueCell::Integer(2), ValueCell(1.5));
    EXPECT_TRUE((ValueCell::Integer(4) / ValueCell::Integer(2)).IsReal());
}

TEST(ValueCell, EqualityIsNumeric)
{
    EXPECT_TRUE(NumericallyEqual(ValueCell(), ValueCell::Integer(0)));
    EXPECT_TRUE(NumericallyEqual(ValueCell(), ValueCell(0.0)));
    EXPECT_TRUE(NumericallyEqual(ValueCell::Integer(3), ValueCell(3.0)));
    EXPECT_FALSE(NumericallyEqual(ValueCell::Integer(3), ValueCell(3.5)));
    // Identity, as a restored state needs it, tells the kinds apart.
    EXPECT_NE(ValueCell(), ValueCell::Integer(0));
    EXPECT_NE(ValueCell::Integer(3), ValueCell(3.0));
}

TEST(ValueCell, DivisionByAnEmptyCellOrZeroFails)
{
    const auto kindOf = [](const ValueCell& dividend, const ValueCell& divisor) {
        try {
            static_cast<void>(dividend / divisor);
        } catch (const RunTimeError& error) {
            return error.kind();
        }
        return ErrorKind::SubscriptOutOfRange;
    };
    EXPECT_EQ(kindOf(ValueCell(2.0), ValueCell()), ErrorKind::DivisionByZero);
    EXPECT_EQ(kindOf(ValueCell(), ValueCell()), ErrorKind::Overflow);
    EXPECT_EQ(kindOf(ValueCell::Integer(32767) + ValueCell::Integer(0), ValueCell(0.0)), ErrorKind::DivisionByZero);
}

TEST(ValueCell, IntegerArithmeticBeyondSixteenBitsOverflows)
{
    EXPECT_THROW(ValueCell::Integer(32767) + ValueCell::Integer(1), RunTimeError);
    EXPECT_THROW(ValueCell::Integer(200) * ValueCell::Integer(200), RunTimeError);
}

}  // namespace
}  // namespace pali
