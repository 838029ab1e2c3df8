// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/state/number_format.h"
#include "core/state/value_cell.h"

namespace pali {

// The leading number of a text: blanks, an optional sign, digits with at most
// one decimal point ("." or the locale's own separator, whichever comes first)
// and an optional exponent. A text without a leading number gives 0.
double LeadingNumber(std::string_view text, const NumberFormat& format);

// The leading number of a text as LeadingNumber reads it, kept exactly as its
// decimals are written: the value is digits × 10^exponent. None when the text
// has no leading number, or an exponent beyond any real's.
struct WrittenDecimal {
    bool negative = false;
    std::string digits;  // without the decimal point
    std::int64_t exponent = 0;
};
std::optional<WrittenDecimal> LeadingDecimal(std::string_view text, const NumberFormat& format);

// The whole text, blanks around it allowed, as a number in the user's locale.
// Empty or malformed text raises type mismatch; beyond the real range, overflow.
double LocaleReal(std::string_view text, const NumberFormat& format);
// As LocaleReal, rounded half to even, within the long or the integer range.
std::int32_t LocaleLong(std::string_view text, const NumberFormat& format);
std::int16_t LocaleInteger(std::string_view text, const NumberFormat& format);

// Rounds half to even and raises overflow outside the long range.
std::int32_t RoundToLong(double value);

// 15 significant digits, trailing zeros dropped, the locale's separator.
std::string RealText(double value, const NumberFormat& format);
std::string IntegerText(std::int16_t value);

std::string CellText(const ValueCell& cell, const NumberFormat& format);
std::int32_t CellLong(const ValueCell& cell);
double CellReal(const ValueCell& cell);

// A box's content written by a pattern such as "#####.##": no leading zero,
// at most two decimals with trailing zeros dropped, the separator always
// written. Content that is no number comes back unchanged.
std::string PictureText(std::string_view content, std::string_view pattern, const NumberFormat& format);

}  // namespace pali
