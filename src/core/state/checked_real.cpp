// SPDX-License-Identifier: MIT

#include "core/state/checked_real.h"

#include <cmath>

#include "core/maths/correctly_rounded_tan.h"
#include "core/state/run_time_error.h"

namespace pali {

namespace {
double Checked(double result)
{
    if (!std::isfinite(result)) {
        throw RunTimeError(ErrorKind::Overflow);
    }
    return result;
}

void CheckOperand(double operand)
{
    Checked(operand);
}
}  // namespace

double CheckedAdd(double left, double right)
{
    CheckOperand(left);
    CheckOperand(right);
    return Checked(left + right);
}

double CheckedMultiply(double left, double right)
{
    CheckOperand(left);
    CheckOperand(right);
    return Checked(left * right);
}

double CheckedDivide(double dividend, double divisor)
{
    CheckOperand(dividend);
    CheckOperand(divisor);
    if (divisor == 0.0) {
        throw RunTimeError(dividend == 0.0 ? ErrorKind::Overflow : ErrorKind::DivisionByZero);
    }
    return Checked(dividend / divisor);
}

double CheckedTan(double radians)
{
    CheckOperand(radians);
    return Checked(CorrectlyRoundedTan(radians));
}

}  // namespace pali
