// SPDX-License-Identifier: MIT

#pragma once

#include "core/maths/double_double.h"
#include "core/maths/fixed_point.h"

// The reduction of a tangent's argument: x = k pi/2 + r with |r| <= pi/4 or
// a hair more. tan x = tan r for even k and -1 / tan r for odd k.

namespace pali {

// x 2/pi - k exactly to 2^-287: |x - k pi/2| = magnitude * pi/2, of the sign
// `negative`. No double comes closer than 2^-62 to a multiple of pi/2
// (Muller, "Elementary Functions", the worst cases of the reduction), so this
// is r to better than 2^-224 of itself.
struct ExactReduction {
    bool odd;
    bool negative;
    FixedPoint magnitude;
};

// Payne and Hanek's reduction, on integers: the 53-bit significand times the
// 384 bits of 2/pi that can reach the fraction, from a table of 1536 bits.
// For positive finite x.
ExactReduction ReduceExactly(double x);

// r as a double-double, and a bound on its relative error.
struct FastReduction {
    bool odd;
    dd::DoubleDouble r;
    double relativeError;
};

// For x at least 2^-27: r = x up to pi/4; Cody and Waite's reduction, pi/2 in
// three parts whose products by k are exact, below 2^19; above, the exact
// reduction rounded to a double-double.
FastReduction ReduceFast(double x);

}  // namespace pali
