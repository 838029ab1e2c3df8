// SPDX-License-Identifier: MIT

#include "core/maths/fixed_point.h"

#include <bit>

namespace pali {

namespace {
constexpr int kLimbBits = 32;
constexpr std::uint64_t kLimbMask = 0xFFFFFFFFu;
}  // namespace

FixedPoint FixedPoint::One()
{
    FixedPoint one;
    one.limbs[kLimbs - 1] = 1;
    return one;
}

bool FixedPoint::IsZero() const
{
    for (std::uint32_t limb : limbs) {
        if (limb != 0) {
            return false;
        }
    }
    return true;
}

int FixedPoint::BitLength() const
{
    for (int i = kLimbs - 1; i >= 0; --i) {
        if (limbs[i] != 0) {
            return (i + 1) * kLimbBits - std::countl_zero(limbs[i]);
        }
    }
    return 0;
}

std::uint32_t FixedPoint::BitsFrom(int position) const
{
    const int index = position >= 0 ? position / kLimbBits : -((kLimbBits - 1 - position) / kLimbBits);
    const int shift = position - index * kLimbBits;
    const auto limbAt = [this](int i) -> std::uint64_t { return i >= 0 && i < kLimbs ? limbs[i] : 0; };
    const std::uint64_t pair = limbAt(index) | (limbAt(index + 1) << kLimbBits);
    return static_cast<std::uint32_t>((pair >> shift) & kLimbMask);
}

bool operator<(const FixedPoint& a, const FixedPoint& b)
{
    for (int i = FixedPoint::kLimbs - 1; i >= 0; --i) {
        if (a.limbs[i] != b.limbs[i]) {
            return a.limbs[i] < b.limbs[i];
        }
    }
    return false;
}

FixedPoint operator+(const FixedPoint& a, const FixedPoint& b)
{
    FixedPoint sum;
    std::uint64_t carry = 0;
    for (int i = 0; i < FixedPoint::kLimbs; ++i) {
        const std::uint64_t total = std::uint64_t{a.limbs[i]} + b.limbs[i] + carry;
        sum.limbs[i] = static_cast<std::uint32_t>(total & kLimbMask);
        carry = total >> kLimbBits;
    }
    return sum;
}

FixedPoint operator-(const FixedPoint& a, const FixedPoint& b)
{
    FixedPoint difference;
    std::uint64_t borrow = 0;
    for (int i = 0; i < FixedPoint::kLimbs; ++i) {
        const std::uint64_t subtrahend = std::uint64_t{b.limbs[i]} + borrow;
        borrow = a.limbs[i] < subtrahend ? 1 : 0;
        difference.limbs[i] =
            static_cast<std::uint32_t>((std::uint64_t{a.limbs[i]} + (borrow << kLimbBits) - subtrahend) & kLimbMask);
    }
    return difference;
}

FixedPoint operator*(const FixedPoint& a, const FixedPoint& b)
{
    constexpr int kFractionLimbs = FixedPoint::kFractionBits / kLimbBits;
    std::array<std::uint32_t, 2 * FixedPoint::kLimbs> full{};
    for (int i = 0; i < FixedPoint::kLimbs; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < FixedPoint::kLimbs; ++j) {
            const std::uint64_t total = std::uint64_t{a.limbs[i]} * b.limbs[j] + full[i + j] + carry;
            full[i + j] = static_cast<std::uint32_t>(total & kLimbMask);
            carry = total >> kLimbBits;
        }
        full[i + FixedPoint::kLimbs] = static_cast<std::uint32_t>(carry);
    }
    FixedPoint product;
    for (int i = 0; i < FixedPoint::kLimbs; ++i) {
        product.limbs[i] = full[i + kFractionLimbs];
    }
    return product;
}

FixedPoint DividedBy(const FixedPoint& a, std::uint32_t divisor)
{
    FixedPoint quotient;
    std::uint64_t remainder = 0;
    for (int i = FixedPoint::kLimbs - 1; i >= 0; --i) {
        const std::uint64_t current = (remainder << kLimbBits) | a.limbs[i];
        quotient.limbs[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    return quotient;
}

FixedPoint ShiftedLeft(const FixedPoint& a, int bits)
{
    FixedPoint shifted;
    for (int i = 0; i < FixedPoint::kLimbs; ++i) {
        shifted.limbs[i] = a.BitsFrom(i * kLimbBits - bits);
    }
    return shifted;
}

}  // namespace pali
