// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>

namespace pali {

// A non-negative fixed-point number with 288 bits after the point and 32
// before it, in ten 32-bit limbs, the least significant first: the slow,
// exact side of the tangent. Every operation truncates, so each costs at
// most one unit of the last place, 2^-288. Portable: products of limbs are
// formed in 64 bits, no wider type is needed.
struct FixedPoint {
    static constexpr int kLimbs = 10;
    static constexpr int kFractionBits = 288;
    std::array<std::uint32_t, kLimbs> limbs{};

    static FixedPoint One();
    bool IsZero() const;
    // 1 + the position of the highest bit set, counted from the last place; 0 for zero.
    int BitLength() const;
    // The 32 bits from bit `position` up; bits outside the number read as zeros.
    std::uint32_t BitsFrom(int position) const;
};

bool operator<(const FixedPoint& a, const FixedPoint& b);
FixedPoint operator+(const FixedPoint& a, const FixedPoint& b);
// Needs a >= b.
FixedPoint operator-(const FixedPoint& a, const FixedPoint& b);
// Needs a * b < 2^32.
FixedPoint operator*(const FixedPoint& a, const FixedPoint& b);
FixedPoint DividedBy(const FixedPoint& a, std::uint32_t divisor);
// Needs the result below 2^32.
FixedPoint ShiftedLeft(const FixedPoint& a, int bits);

}  // namespace pali
