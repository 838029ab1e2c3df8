// SPDX-License-Identifier: MIT

#pragma once

// Double-double arithmetic: a number held as the unevaluated sum hi + lo of
// two doubles, |lo| <= ulp(hi) / 2, about 106 bits. The error-free steps are
// Knuth's TwoSum, Dekker's FastTwoSum and Dekker's product with Veltkamp's
// splitting; they hold in round-to-nearest without fused multiply-adds, which
// the build turns off. u = 2^-53 below is the unit roundoff of a double.

#include <bit>
#include <cstdint>

namespace pali::dd {

struct DoubleDouble {
    double hi;
    double lo;
};

// The sign bit cleared: exact, and without a branch.
inline double Abs(double a)
{
    constexpr std::uint64_t kMagnitudeBits = ~(std::uint64_t{1} << 63);
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(a) & kMagnitudeBits);
}

// a + b = s + e exactly, in any order of magnitude.
inline DoubleDouble TwoSum(double a, double b)
{
    const double s = a + b;
    const double bVirtual = s - a;
    const double aVirtual = s - bVirtual;
    return {s, (a - aVirtual) + (b - bVirtual)};
}

// a + b = s + e exactly, provided a == 0 or |a| >= |b|.
inline DoubleDouble FastTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// a = hi + lo with both halves of at most 26 significant bits, so that their
// products are exact. Needs |a| < 2^996 so that the scaled copy is finite.
inline DoubleDouble Split(double a)
{
    constexpr double kVeltkamp = 134217729.0;  // 2^27 + 1
    const double scaled = kVeltkamp * a;
    const double hi = scaled - (scaled - a);
    return {hi, a - hi};
}

// a * b = p + e exactly, for products far from overflow and underflow.
inline DoubleDouble TwoProduct(double a, double b)
{
    const double p = a * b;
    const DoubleDouble x = Split(a);
    const DoubleDouble y = Split(b);
    const double e = ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {p, e};
}

// Relative error below 7u^2 (the same paper, product of two double-words
// without fused multiply-add).
inline DoubleDouble Multiply(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble p = TwoProduct(a.hi, b.hi);
    return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

// For |a.hi| >= |b.hi| or a.hi == 0 only: relative error below
// u^2 (1 + 2 (|a| + |b|) / |a + b|) (1 + 2u), from the two roundings of the
// low parts; cheaper than the accurate sum of two double-words where the sum
// cancels little.
inline DoubleDouble AddToLarger(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble s = FastTwoSum(a.hi, b.hi);
    return FastTwoSum(s.hi, s.lo + (a.lo + b.lo));
}

inline DoubleDouble Negated(DoubleDouble a)
{
    return {-a.hi, -a.lo};
}

// Relative error below 18u^2: q1 = a.hi / b.hi, then the remainder
// a - q1 * b, whose leading difference is exact (Sterbenz) and whose three
// other terms cost at most 13u^2 |a| together, divided by b.hi for the
// correction (2u |q2| <= 4u^2 |a / b| more).
inline DoubleDouble Divide(DoubleDouble a, DoubleDouble b)
{
    const double q1 = a.hi / b.hi;
    const DoubleDouble p = TwoProduct(q1, b.hi);
    const double remainder = (((a.hi - p.hi) - p.lo) + a.lo) - q1 * b.lo;
    return FastTwoSum(q1, remainder / b.hi);
}

}  // namespace pali::dd
