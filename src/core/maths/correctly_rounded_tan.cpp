// SPDX-License-Identifier: MIT

#include "core/maths/correctly_rounded_tan.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/maths/double_double.h"
#include "core/maths/fixed_point.h"
#include "core/maths/half_pi_reduction.h"
#include "core/maths/tangent_tables.h"

// Ziv's strategy: two fast evaluations in double-double, each with a proven
// bound on its error, and after each a test whether every number within that
// bound rounds to the same double. The first, to 2^-60, decides all but one
// argument in 100 or so; the second, to 2^-70, all but one in 65 000 to
// 130 000 of those; the rest are evaluated exactly to more than 200 bits.

namespace pali {

namespace {

// Below 2^-27, x < tan x < x + x^3 / 3 (1 + x^2) < x + ulp(x) / 2.
constexpr double kTinyLimit = 0x1p-27;
constexpr double kNodeSpacing = 0x1p-9;
constexpr double kNodesPerUnit = 512.0;

// (tan h - h) / h^3 = 1/3 + 2/15 h^2 + 17/315 h^4 + 62/2835 h^6 + ...; for
// |h| <= 2^-10 the next term is below 2^-85 of the sum.
constexpr double kTanSeries[] = {1.0 / 3.0, 2.0 / 15.0, 17.0 / 315.0, 62.0 / 2835.0};

// A relative error e of r moves tan r and cot r by at most 2r / sin 2r <= pi/2
// times e; beyond this one the rounding test would not pass anyway.
constexpr double kReductionErrorFactor = 2.0;
constexpr double kLargestUsefulReductionError = 0x1p-60;

// tan h for |h| <= 2^-10 + 2^-44. The tail h^3 P(h^2) is computed in doubles
// to 16u of itself, and is below 2^-21.5 |h|: relative error below 2^-70.3.
dd::DoubleDouble TanOfSmall(dd::DoubleDouble h)
{
    const double z = h.hi * h.hi;
    const double p = (kTanSeries[0] + z * kTanSeries[1]) + (z * z) * (kTanSeries[2] + z * kTanSeries[3]);
    const dd::DoubleDouble sum = dd::FastTwoSum(h.hi, (h.hi * z) * p);
    return dd::FastTwoSum(sum.hi, sum.lo + h.lo);
}

// r = a + h with a the node i / 512 nearest to r, for 0 <= r <= pi/4 + 2^-29:
// tan(a + h) = (tan a + tan h) / (1 - tan a tan h). For i >= 1,
// tan a >= 2 |tan h|, so the numerator loses no digits to cancellation, and
// |tan a tan h| < 2^-9.99 keeps the denominator within 0.1% of 1.
struct NodeSplit {
    dd::DoubleDouble tanNode;  // within 2^-106 of itself
    dd::DoubleDouble tanH;     // within 2^-70.3
    // tan a + tan h within 7u^2 + 2^-70.3 + 2^-105 < 2^-70.2: |tan a| + |tan h|
    // <= 3 |tan a + tan h|.
    dd::DoubleDouble numerator;
};

NodeSplit SplitAtNode(dd::DoubleDouble r)
{
    const int node = static_cast<int>(r.hi * kNodesPerUnit + 0.5);
    // r.hi - node / 512 is exact (Sterbenz).
    const dd::DoubleDouble h = dd::TwoSum(r.hi - node * kNodeSpacing, r.lo);
    const dd::DoubleDouble tanH = TanOfSmall(h);
    const dd::DoubleDouble tanNode = tangent_tables::kTanOfNodes[static_cast<std::size_t>(node)];
    return {tanNode, tanH, dd::AddToLarger(tanNode, tanH)};
}

struct Evaluation {
    dd::DoubleDouble y;
    double relativeError;
};

// tan r, or -1 / tan r for odd k, to 2^-60 without the exact product
// tan a tan h: p = p.hi + p.lo misses it by 1.0001u |p| at most, 2^-63.
// Odd: (1 - p) / (tan a + tan h) within 2^-63 + 2^-70.2 + 18u^2 < 2^-62.
// Even: (tan a + tan h)(1 + s) with s = p / (1 - p) in doubles, within
// 4.03u |p| < 2^-60.98 of the true one, and the product (tan a + tan h) s
// rounded to a double, 2^-61.99 more: with the numerator's 2^-70.2, 2^-60.4.
Evaluation QuickTanOrMinusCot(const NodeSplit& split, bool odd)
{
    const double productHi = split.tanNode.hi * split.tanH.hi;
    const double productLo = split.tanNode.hi * split.tanH.lo + split.tanNode.lo * split.tanH.hi;
    if (odd) {
        const dd::DoubleDouble one = dd::FastTwoSum(1.0, -productHi);
        const dd::DoubleDouble denominator = dd::FastTwoSum(one.hi, one.lo - productLo);
        return {dd::Negated(dd::Divide(denominator, split.numerator)), 0x1p-62};
    }
    const double s = (productHi + productLo) / (1.0 - productHi);
    return {dd::AddToLarger(split.numerator, {split.numerator.hi * s, 0.0}), 0x1p-60};
}

// tan r, or -1 / tan r for odd k, to 2^-70, summed up: 1.003 times the
// 2^-70.3 of tan h (through the numerator, and the denominator at 2^-9.99 of
// it), 2^-105 from the node's tangent, 7u^2 + 3.1u^2 + 7u^2 + 18u^2 from the
// two sums, the product and the quotient.
Evaluation CarefulTanOrMinusCot(const NodeSplit& split, bool odd)
{
    const dd::DoubleDouble denominator =
        dd::AddToLarger({1.0, 0.0}, dd::Negated(dd::Multiply(split.tanNode, split.tanH)));
    if (odd) {
        return {dd::Negated(dd::Divide(denominator, split.numerator)), 0x1p-70};
    }
    return {dd::Divide(split.numerator, denominator), 0x1p-70};
}

// The double nearest to y's true value if every number within relativeError
// of y rounds to the same double. y.hi + v rounds once and is monotonic in v;
// the margin's second term covers the rounding of y.lo -+ margin, and its
// factor the roundings of the margin itself and |y| <= |y.hi| (1 + u).
std::optional<double> RoundedIfDecided(dd::DoubleDouble y, double relativeError)
{
    const double margin = (relativeError * dd::Abs(y.hi) + 0x1p-51 * dd::Abs(y.lo)) * (1.0 + 0x1p-40);
    const double below = y.hi + (y.lo - margin);
    const double above = y.hi + (y.lo + margin);
    if (below != above) {
        return std::nullopt;
    }
    return above;
}

// first - first s / ((n + 1)(n + 2)) + first s^2 / ((n + 1) ... (n + 4)) - ...
// for s = r^2 <= 0.63: sin r from (r, 1), cos r from (1, 0). Each term costs
// at most 2 units of 2^-288 and carries the error of the one before shrunk,
// under 80 terms: within 2^-280 in all.
FixedPoint AlternatingSeries(const FixedPoint& first, const FixedPoint& square, std::uint32_t n)
{
    FixedPoint added = first;
    FixedPoint subtracted;
    FixedPoint term = first;
    for (bool subtract = true; !term.IsZero(); subtract = !subtract, n += 2) {
        term = DividedBy(term * square, (n + 1) * (n + 2));
        if (subtract) {
            subtracted = subtracted + term;
        } else {
            added = added + term;
        }
    }
    return added - subtracted;
}

// dividend / divisor rounded to nearest, for quotients between 2^-64 and 2^64.
// With both known to 2^-215 of themselves (sin r and cos r within 2^-280,
// r >= 2^-62), the quotient is known to 2^-213 of itself, so the 53 bits and
// the rounding bit of the long division are those of the true tangent unless
// it lies within 2^-213 of a midpoint between two doubles: 160 bits after the
// 53rd alike. Among the 2^64 doubles, such a run would turn up with odds of
// about 2^-96; the hardest cases the MPFR sweep finds are in
// tests/core/maths/tangent_hard_cases.h.
double RoundedQuotient(const FixedPoint& dividend, const FixedPoint& divisor)
{
    int exponent = dividend.BitLength() - divisor.BitLength();
    FixedPoint remainder = dividend;
    FixedPoint scaledDivisor = divisor;
    if (exponent >= 0) {
        scaledDivisor = ShiftedLeft(divisor, exponent);
    } else {
        remainder = ShiftedLeft(dividend, -exponent);
    }
    if (remainder < scaledDivisor) {
        --exponent;
        remainder = ShiftedLeft(remainder, 1);
    }
    // Now scaledDivisor <= remainder < 2 scaledDivisor: the quotient is 2^exponent times 1.xxx.
    std::uint64_t bits = 0;
    for (int i = 0; i < 54; ++i) {
        const bool bit = !(remainder < scaledDivisor);
        if (bit) {
            remainder = remainder - scaledDivisor;
        }
        bits = (bits << 1) | (bit ? 1u : 0u);
        remainder = ShiftedLeft(remainder, 1);
    }
    std::uint64_t significand = (bits >> 1) + (bits & 1u);
    if (significand >> 53) {
        significand >>= 1;
        ++exponent;
    }
    const auto biased = static_cast<std::uint64_t>(exponent + 1023);
    return std::bit_cast<double>((biased << 52) | (significand & ((std::uint64_t{1} << 52) - 1)));
}

// For x >= 2^-27.
double AccurateTan(double x)
{
    const ExactReduction reduced = ReduceExactly(x);
    const FixedPoint r = reduced.magnitude * FixedPoint{tangent_tables::kHalfPi};
    const FixedPoint square = r * r;
    const FixedPoint sine = AlternatingSeries(r, square, 1);
    const FixedPoint cosine = AlternatingSeries(FixedPoint::One(), square, 0);
    const double magnitude = reduced.odd ? RoundedQuotient(cosine, sine) : RoundedQuotient(sine, cosine);
    // tan(k pi/2 - r) = -tan r for even k, cot r for odd k.
    return reduced.negative != reduced.odd ? -magnitude : magnitude;
}

// For x >= 2^-27.
double TanOfPositive(double x)
{
    const FastReduction reduced = ReduceFast(x);
    if (reduced.relativeError < kLargestUsefulReductionError) {
        const bool negative = reduced.r.hi < 0.0;
        const NodeSplit split = SplitAtNode(negative ? dd::Negated(reduced.r) : reduced.r);
        for (const auto evaluate : {QuickTanOrMinusCot, CarefulTanOrMinusCot}) {
            const Evaluation evaluation = evaluate(split, reduced.odd);
            const std::optional<double> rounded = RoundedIfDecided(
                evaluation.y, evaluation.relativeError + kReductionErrorFactor * reduced.relativeError);
            if (rounded) {
                return negative ? -*rounded : *rounded;
            }
        }
    }
    return AccurateTan(x);
}

}  // namespace

double CorrectlyRoundedTan(double x)
{
    if (!std::isfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double magnitude = dd::Abs(x);
    if (magnitude < kTinyLimit) {
        return x;
    }
    const double tangent = TanOfPositive(magnitude);
    return x < 0.0 ? -tangent : tangent;
}

}  // namespace pali
