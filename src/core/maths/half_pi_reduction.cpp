// SPDX-License-Identifier: MIT

#include "core/maths/half_pi_reduction.h"

#include <array>
#include <bit>
#include <cstdint>

#include "core/maths/tangent_tables.h"

namespace pali {

namespace {

constexpr int kSignificandBits = 52;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kSignificandBits) - 1;
// The words of 2/pi that take part in one product: their 384 bits put 353 or
// more bits of the product after the point, and the words left out add less
// than 2^(53 - 353) to the fraction.
constexpr int kWindowWords = 12;
constexpr int kProductLimbs = kWindowWords + 2;

constexpr double PowerOfTwo(int exponent)
{
    double power = 1.0;
    for (; exponent > 0; --exponent) {
        power *= 2.0;
    }
    for (; exponent < 0; ++exponent) {
        power *= 0.5;
    }
    return power;
}

// Bits [lowest, lowest + count) of pi/2 * 2^288, count <= 53, as an integer.
constexpr std::uint64_t HalfPiBits(int lowest, int count)
{
    std::uint64_t bits = 0;
    for (int at = lowest + count - 1; at >= lowest; --at) {
        bits = (bits << 1) | ((tangent_tables::kHalfPi[at / 32] >> (at % 32)) & 1u);
    }
    return bits;
}

// pi/2 = kHalfPi1 + kHalfPi2 + kHalfPi3 + c with 0 <= c < 2^-118; the first
// two have 33 bits, so that k times them is exact for k < 2^20.
constexpr int kUnitBit = 288;
constexpr double kHalfPi1 = static_cast<double>(HalfPiBits(kUnitBit - 32, 33)) * PowerOfTwo(-32);
constexpr double kHalfPi2 = static_cast<double>(HalfPiBits(kUnitBit - 65, 33)) * PowerOfTwo(-65);
constexpr double kHalfPi3 = static_cast<double>(HalfPiBits(kUnitBit - 118, 53)) * PowerOfTwo(-118);
constexpr double kHalfPiTailBound = PowerOfTwo(-118);

// 2/pi cut to 53 bits: only for choosing k.
constexpr double kTwoOverPi =
    static_cast<double>(((std::uint64_t{tangent_tables::kTwoOverPi[0]} << 32) | tangent_tables::kTwoOverPi[1]) >> 11) *
    PowerOfTwo(-53);
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;
constexpr double kCodyWaiteLimit = 0x1p19;
// Adding and taking away 1.5 * 2^52 rounds a double below 2^51 to an integer.
constexpr double kRoundingShift = 0x1.8p52;
constexpr double kUnitRoundoff = 0x1p-53;
// Relative error of the exact reduction rounded to a double-double: 2^-105
// from cutting the fraction to 106 bits, 2^-106 from pi/2, 7u^2 from the product.
constexpr double kRoundedReductionError = 0x1p-102;

double Exact2To(int exponent)
{
    return std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << kSignificandBits);
}

// Significand and exponent of a positive finite double: x = m 2^e, m < 2^53.
struct Decomposed {
    std::uint64_t significand;
    int exponent;
};

Decomposed Decompose(double x)
{
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto biased = static_cast<int>(bits >> kSignificandBits);
    if (biased == 0) {
        return {bits & kFractionMask, -1074};
    }
    return {(bits & kFractionMask) | (std::uint64_t{1} << kSignificandBits), biased - 1075};
}

std::uint32_t ProductBitsFrom(const std::array<std::uint32_t, kProductLimbs>& product, int position)
{
    const int index = position / 32;
    const int shift = position % 32;
    const auto limbAt = [&product](int i) -> std::uint64_t { return i < kProductLimbs ? product[i] : 0; };
    return static_cast<std::uint32_t>(((limbAt(index) | (limbAt(index + 1) << 32)) >> shift) & 0xFFFFFFFFu);
}

// The leading 106 bits of a fixed-point number, as a double-double.
dd::DoubleDouble RoundedToDoubleDouble(const FixedPoint& value)
{
    const int length = value.BitLength();
    const auto chunk = [&value](int lowest) {
        const std::uint64_t bits = (std::uint64_t{value.BitsFrom(lowest + 32)} << 32) | value.BitsFrom(lowest);
        return static_cast<double>(bits & ((std::uint64_t{1} << 53) - 1)) *
               Exact2To(lowest - FixedPoint::kFractionBits);
    };
    return dd::FastTwoSum(chunk(length - 53), chunk(length - 106));
}

// 2^(1 - e) for 2^e <= |x| < 2^(e + 1), x normal, a bound on 1 / |x| within a factor of 2.
double ReciprocalBound(double x)
{
    const auto biased = static_cast<int>((std::bit_cast<std::uint64_t>(x) >> kSignificandBits) & 0x7FF);
    return Exact2To(1 - (biased - 1023));
}

FastReduction CodyWaite(double x)
{
    const double k = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    // Exact: k kHalfPi1 has at most 52 bits, and x and it are so close that
    // their difference is a multiple of the finer one's last place and
    // smaller than either.
    const double first = x - k * kHalfPi1;
    const dd::DoubleDouble second = dd::TwoSum(first, -(k * kHalfPi2));
    const dd::DoubleDouble third = dd::TwoProduct(k, kHalfPi3);
    const dd::DoubleDouble leading = dd::TwoSum(second.hi, -third.hi);
    // Only these two sums round, each by at most u times its terms.
    const double trailing = (leading.lo + second.lo) - third.lo;
    const dd::DoubleDouble r = dd::TwoSum(leading.hi, trailing);
    const double absoluteError =
        k * kHalfPiTailBound + 2.0 * kUnitRoundoff * (dd::Abs(leading.lo) + dd::Abs(second.lo) + dd::Abs(third.lo));
    // 1 / |r| < 2^(1 - e) for 2^e <= |r.hi|, the factor covers the roundings of
    // this bound: no division needed.
    const double relativeError = absoluteError * ReciprocalBound(r.hi) * (1.0 + 0x1p-40);
    return {(static_cast<std::int64_t>(k) & 1) != 0, r, relativeError};
}

}  // namespace

ExactReduction ReduceExactly(double x)
{
    const Decomposed d = Decompose(x);
    // Words of 2/pi before the window make x 2/pi grow by even integers only.
    const int firstWord = d.exponent >= 1 ? (d.exponent - 1) / 32 + 1 : 1;
    std::array<std::uint32_t, kProductLimbs> product{};
    const std::uint32_t significand[2] = {static_cast<std::uint32_t>(d.significand & 0xFFFFFFFFu),
                                          static_cast<std::uint32_t>(d.significand >> 32)};
    for (int i = 0; i < 2; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < kWindowWords; ++j) {
            const std::uint32_t word = tangent_tables::kTwoOverPi[firstWord + kWindowWords - 2 - j];
            const std::uint64_t total = std::uint64_t{significand[i]} * word + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(total & 0xFFFFFFFFu);
            carry = total >> 32;
        }
        product[i + kWindowWords] = static_cast<std::uint32_t>(carry);
    }
    // x 2/pi = product 2^-point, modulo even integers.
    const int point = 32 * (firstWord + kWindowWords - 1) - d.exponent;
    FixedPoint fraction;
    for (int i = 0; i < FixedPoint::kLimbs - 1; ++i) {
        fraction.limbs[i] = ProductBitsFrom(product, point - FixedPoint::kFractionBits + 32 * i);
    }
    const bool oddFloor = (ProductBitsFrom(product, point) & 1u) != 0;
    const bool roundsUp = (fraction.limbs[FixedPoint::kLimbs - 2] >> 31) != 0;
    if (roundsUp) {
        return {!oddFloor, true, FixedPoint::One() - fraction};
    }
    return {oddFloor, false, fraction};
}

FastReduction ReduceFast(double x)
{
    if (x <= kQuarterPi) {
        return {false, {x, 0.0}, 0.0};
    }
    if (x < kCodyWaiteLimit) {
        return CodyWaite(x);
    }
    const ExactReduction exact = ReduceExactly(x);
    const dd::DoubleDouble r =
        dd::Multiply(RoundedToDoubleDouble(exact.magnitude), tangent_tables::kHalfPiDoubleDouble);
    return {exact.odd, exact.negative ? dd::Negated(r) : r, kRoundedReductionError};
}

}  // namespace pali
