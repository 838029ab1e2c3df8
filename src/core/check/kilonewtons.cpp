// SPDX-License-Identifier: MIT

#include "core/check/kilonewtons.h"

#include <cstdint>

#include "core/state/conversions.h"

namespace pali {

namespace {

constexpr std::int64_t kFactorDigits = 980665;  // 9.80665 without its point
constexpr std::int64_t kFactorExponent = -5;
constexpr std::int64_t kDecimalsKept = 2;
// Beyond this a figure is no load: the exponents a real can carry, and more.
constexpr std::int64_t kLongestExponent = 400;

// Digits, most significant first, times a small factor.
std::string TimesFactor(const std::string& digits, std::int64_t factor)
{
    std::string product;
    std::int64_t carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        const std::int64_t step = (*digit - '0') * factor + carry;
        product.insert(product.begin(), static_cast<char>('0' + step % 10));
        carry = step / 10;
    }
    for (; carry > 0; carry /= 10) {
        product.insert(product.begin(), static_cast<char>('0' + carry % 10));
    }
    return product;
}

// Adds one to the last digit of a string of digits.
void AddOne(std::string& digits)
{
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::optional<std::string> TonnesToKilonewtons(std::string_view tonnes, const NumberFormat& format)
{
    if (tonnes == format.decimalSeparator) {
        return "0" + format.decimalSeparator + "00";  // a read-out that rounds to zero shows the separator alone
    }
    const auto written = LeadingDecimal(tonnes, format);
    if (!written || written->digits.empty() || written->exponent > kLongestExponent ||
        written->exponent < -kLongestExponent) {
        return std::nullopt;
    }
    // The product is digits x 10^exponent; keep it in hundredths.
    std::string digits = TimesFactor(written->digits, kFactorDigits);
    const std::int64_t exponent = written->exponent + kFactorExponent;
    if (exponent >= -kDecimalsKept) {
        digits.append(static_cast<std::size_t>(exponent + kDecimalsKept), '0');
    } else {
        const auto dropped = static_cast<std::size_t>(-kDecimalsKept - exponent);
        if (digits.size() < dropped) {
            digits.insert(0, dropped - digits.size(), '0');
        }
        const bool halfOrMore = digits[digits.size() - dropped] >= '5';
        digits.resize(digits.size() - dropped);
        if (digits.empty()) {
            digits = "0";
        }
        if (halfOrMore) {
            AddOne(digits);
        }
    }
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    std::size_t leading = 0;
    while (leading + 3 < digits.size() && digits[leading] == '0') {
        ++leading;
    }
    digits.erase(0, leading);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    const std::string sign = written->negative && !zero ? "-" : "";
    return sign + digits.substr(0, digits.size() - 2) + format.decimalSeparator + digits.substr(digits.size() - 2);
}

}  // namespace pali
