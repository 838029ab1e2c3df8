// SPDX-License-Identifier: MIT

#pragma once

namespace pali {

// tan x rounded to the nearest double (ties to even, which no tangent of a
// nonzero double is) for every finite x, +-0 kept; NaN for infinities and
// NaN. The same code and the same bits on every compiler and processor: no
// platform maths, no long double, no fused multiply-add.
double CorrectlyRoundedTan(double x);

}  // namespace pali
