// SPDX-License-Identifier: MIT

#include "core/check/decimal_verdict.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/state/conversions.h"

namespace pali {

namespace {

// A non-negative decimal: its significant digits, most significant first,
// and the power of ten of the last.
struct Decimal {
    std::string digits;  // no leading zeros; empty for zero
    std::int64_t exponent = 0;
};

Decimal Normalised(std::string digits, std::int64_t exponent)
{
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    const std::size_t last = digits.find_last_not_of('0');
    if (last == std::string::npos) {
        return {};
    }
    exponent += static_cast<std::int64_t>(digits.size() - last - 1);
    digits.resize(last + 1);
    return {std::move(digits), exponent};
}

Decimal TimesSmall(const Decimal& value, int factor)
{
    std::string product;
    int carry = 0;
    for (auto digit = value.digits.rbegin(); digit != value.digits.rend(); ++digit) {
        const int step = (*digit - '0') * factor + carry;
        product.insert(product.begin(), static_cast<char>('0' + step % 10));
        carry = step / 10;
    }
    for (; carry > 0; carry /= 10) {
        product.insert(product.begin(), static_cast<char>('0' + carry % 10));
    }
    return Normalised(std::move(product), value.exponent);
}

// -1, 0 or 1 as left is below, equal to or above right.
int Compare(const Decimal& left, const Decimal& right)
{
    if (left.digits.empty() || right.digits.empty()) {
        return left.digits.empty() ? (right.digits.empty() ? 0 : -1) : 1;
    }
    const auto magnitude = [](const Decimal& value) {
        return static_cast<std::int64_t>(value.digits.size()) + value.exponent;
    };
    if (magnitude(left) != magnitude(right)) {
        return magnitude(left) < magnitude(right) ? -1 : 1;
    }
    const std::size_t length = std::max(left.digits.size(), right.digits.size());
    std::string a = left.digits;
    std::string b = right.digits;
    a.resize(length, '0');
    b.resize(length, '0');
    return a < b ? -1 : (a > b ? 1 : 0);
}

// A figure as its read-out writes it; none when negative or unwritable.
std::optional<Decimal> Shown(std::string_view text, const NumberFormat& format)
{
    if (text.find_first_of("0123456789") == std::string_view::npos) {
        return Decimal{};  // a read-out with no digit counts as zero
    }
    const auto written = LeadingDecimal(text, format);
    if (!written) {
        return std::nullopt;
    }
    Decimal value = Normalised(written->digits, written->exponent);
    if (written->negative && !value.digits.empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<bool> ReachesExactly(std::string_view capacity, int factorHundredths, std::string_view action,
                                   const NumberFormat& format)
{
    const auto rd = Shown(capacity, format);
    const auto ed = Shown(action, format);
    if (!rd || !ed) {
        return std::nullopt;
    }
    return Compare(TimesSmall(*rd, 100), TimesSmall(*ed, factorHundredths)) >= 0;
}

}  // namespace pali
