// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <limits>

#include "core/state/checked_real.h"
#include "core/state/run_time_error.h"

namespace pali {
namespace {

std::optional<ErrorKind> FaultOf(double (*operation)(double, double), double left, double right)
{
    try {
        operation(left, right);
    } catch (const RunTimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

TEST(CheckedReal, RaisesTheKindOfEachFault)
{
    constexpr double huge = std::numeric_limits<double>::max();
    constexpr double tiny = std::numeric_limits<double>::min();
    struct Case {
        double (*operation)(double, double);
        double left;
        double right;
        std::optional<ErrorKind> fault;
    };
    const Case cases[] = {
        {CheckedDivide, 1.0, 0.0, ErrorKind::DivisionByZero},
        {CheckedDivide, -3.0, -0.0, ErrorKind::DivisionByZero},
        {CheckedDivide, 0.0, 0.0, ErrorKind::Overflow},
        {CheckedDivide, huge, tiny, ErrorKind::Overflow},
        {CheckedMultiply, huge, 2.0, ErrorKind::Overflow},
        {CheckedAdd, huge, huge, ErrorKind::Overflow},
        {CheckedMultiply, tiny, tiny, std::nullopt},  // underflow is no fault
        {CheckedDivide, 1.0, 3.0, std::nullopt},      // nor is an inexact result
        {CheckedAdd, -huge, huge, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FaultOf(c.operation, c.left, c.right), c.fault) << c.left << ", " << c.right;
    }
}

TEST(CheckedReal, TangentOfAnAngleNearARightAngleIsFinite)
{
    EXPECT_NEAR(CheckedTan(1.57), 1255.77, 0.01);
}

TEST(CheckedReal, TangentOfInfinityOrNotANumberIsAnInvalidOperation)
{
    for (double radians : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(FaultOf([](double x, double) { return CheckedTan(x); }, radians, 0.0), ErrorKind::Overflow)
            << radians;
    }
}

}  // namespace
}  // namespace pali
