// SPDX-License-Identifier: MIT

#pragma once

namespace pali {

// Native real arithmetic with the fault check the program makes after every
// computation: an invalid operation or 0/0 raises overflow, a non-zero number
// divided by zero raises division by zero, a result beyond the real range
// raises overflow. Underflow and inexact results are no faults. The checks
// look at operands and results, so they hold whatever the compiler flags.
double CheckedAdd(double left, double right);
double CheckedMultiply(double left, double right);
double CheckedDivide(double dividend, double divisor);
double CheckedTan(double radians);

}  // namespace pali
