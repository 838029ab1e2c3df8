// SPDX-License-Identifier: MIT

#include "core/state/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

#include "core/state/run_time_error.h"

// Every number passes through std::from_chars and std::to_chars: they are
// exact and ignore the C library's locale, which the toolkit sets to the
// user's for the whole process.

namespace pali {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsExponentLetter(char c)
{
    return c == 'E' || c == 'e';
}

// A number taken from a text, in C notation for from_chars. The digits are
// kept apart from the exponent so that a result out of range can be told
// apart: too large is an overflow, too small is merely zero.
struct ScannedNumber {
    bool negative = false;
    std::string mantissa;  // digits with at most one "."
    std::string exponent;  // optional sign and digits, without the letter
};

class Scanner {
public:
    Scanner(std::string_view text, std::size_t position) : text_(text), position_(position) {}

    bool AtEnd() const { return position_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[position_]; }
    bool StartsWith(std::string_view token) const
    {
        return !token.empty() && text_.substr(position_).starts_with(token);
    }
    void Advance(std::size_t count = 1) { position_ += count; }
    std::size_t position() const { return position_; }

    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(Peek())) {
            Advance();
        }
    }

    bool TakeSign()
    {
        const char c = Peek();
        if (c == '+' || c == '-') {
            Advance();
            return c == '-';
        }
        return false;
    }

    std::size_t TakeDigits(std::string& into)
    {
        const std::size_t start = position_;
        while (!AtEnd() && IsDigit(Peek())) {
            Advance();
        }
        into.append(text_.substr(start, position_ - start));
        return position_ - start;
    }

    // An exponent letter followed by an optional sign and at least one
    // digit; anything less is left where it stands.
    std::string TakeExponent()
    {
        if (!IsExponentLetter(Peek())) {
            return {};
        }
        Scanner ahead(text_, position_ + 1);
        std::string exponent;
        if (ahead.TakeSign()) {
            exponent = "-";
        }
        if (ahead.TakeDigits(exponent) == 0) {
            return {};
        }
        position_ = ahead.position();
        return exponent;
    }

private:
    std::string_view text_;
    std::size_t position_;
};

// Sign, digits, at most one decimal point, an optional exponent. `points`
// lists the texts accepted as the decimal point; the first one met is the
// only one. Returns nothing when no digit was taken.
std::optional<ScannedNumber> ScanNumber(Scanner& scanner, std::initializer_list<std::string_view> points)
{
    ScannedNumber number;
    number.negative = scanner.TakeSign();
    std::size_t digits = scanner.TakeDigits(number.mantissa);
    for (std::string_view point : points) {
        if (scanner.StartsWith(point)) {
            scanner.Advance(point.size());
            number.mantissa += '.';
            digits += scanner.TakeDigits(number.mantissa);
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    number.exponent = scanner.TakeExponent();
    return number;
}

// Whether the scanned digits are all zeros: such a number cannot be out of
// range whatever its exponent.
bool IsZero(const ScannedNumber& number)
{
    return number.mantissa.find_first_not_of("0.") == std::string::npos;
}

// The exponent, held within bounds far beyond any double's so that a text
// of a million digits cannot overflow the sum below.
long long BoundedExponent(const std::string& exponent)
{
    constexpr long long bound = 1'000'000'000;
    long long value = 0;
    for (char c : exponent) {
        if (IsDigit(c) && value < bound) {
            value = value * 10 + (c - '0');
        }
    }
    return exponent.starts_with('-') ? -value : value;
}

// from_chars says "out of range" at both ends of the real range. A number
// whose first significant digit stands above the units is too large; any
// other is merely too small, and reads as zero.
bool TooLarge(const ScannedNumber& number)
{
    const std::string& mantissa = number.mantissa;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    const long long placeOfFirst =
        first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point) + 1;
    return placeOfFirst + BoundedExponent(number.exponent) > 0;
}

double ValueOf(const ScannedNumber& number)
{
    if (IsZero(number)) {
        return number.negative ? -0.0 : 0.0;
    }
    std::string withExponent;
    if (!number.exponent.empty()) {
        withExponent = number.mantissa + 'e' + number.exponent;
    }
    const std::string& notation = number.exponent.empty() ? number.mantissa : withExponent;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(notation.data(), notation.data() + notation.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (TooLarge(number)) {
            throw RunTimeError(ErrorKind::Overflow);
        }
        value = 0.0;
    } else if (error != std::errc() || end != notation.data() + notation.size()) {
        throw RunTimeError(ErrorKind::TypeMismatch);
    }
    return number.negative ? -value : value;
}

bool IsHalfway(double value)
{
    return std::fabs(value - std::trunc(value)) == 0.5;
}

double RoundHalfToEven(double value)
{
    const double rounded = std::round(value);  // halves away from zero
    if (IsHalfway(value) && std::fmod(rounded, 2.0) != 0.0) {
        return rounded - std::copysign(1.0, value);
    }
    return rounded;
}

template <class Whole>
Whole RoundInto(double value)
{
    const double rounded = RoundHalfToEven(value);
    if (rounded < std::numeric_limits<Whole>::min() || rounded > std::numeric_limits<Whole>::max()) {
        throw RunTimeError(ErrorKind::Overflow);
    }
    return static_cast<Whole>(rounded);
}

std::string WithSeparator(std::string text, const NumberFormat& format)
{
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, format.decimalSeparator);
    }
    return text;
}

void DropTrailingZeros(std::string& digits)
{
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
}

// The 15 significant digits of a value and its decimal exponent: d.dddd × 10^e.
struct SignificantDigits {
    std::string digits;  // without the point, trailing zeros dropped
    int exponent = 0;
};

SignificantDigits FifteenDigits(double magnitude)
{
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    SignificantDigits significant;
    significant.digits.push_back(text.front());
    significant.digits.append(text.substr(2, e - 2));
    DropTrailingZeros(significant.digits);
    const std::string_view exponent = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), significant.exponent);
    return significant;
}

// Plain notation for ordinary magnitudes, d.ddE+xx beyond them.
constexpr int kLargestPlainExponent = 14;
constexpr int kSmallestPlainExponent = -5;

std::string PlainNotation(const SignificantDigits& significant)
{
    const std::string& digits = significant.digits;
    const int exponent = significant.exponent;
    if (exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const auto wholeCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeCount) {
        return digits + std::string(wholeCount - digits.size(), '0');
    }
    return digits.substr(0, wholeCount) + "." + digits.substr(wholeCount);
}

std::string ExponentNotation(const SignificantDigits& significant)
{
    std::string text;
    text.push_back(significant.digits.front());
    if (significant.digits.size() > 1) {
        text.push_back('.');
        text.append(significant.digits, 1);
    }
    const int exponent = significant.exponent;
    text.append(exponent < 0 ? "E-" : "E+");
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) {
        text.push_back('0');
    }
    text.append(std::to_string(magnitude));
    return text;
}

}  // namespace

double LeadingNumber(std::string_view text, const NumberFormat& format)
{
    Scanner scanner(text, 0);
    scanner.SkipBlanks();
    const auto number = ScanNumber(scanner, {".", format.decimalSeparator});
    return number ? ValueOf(*number) : 0.0;
}

std::optional<WrittenDecimal> LeadingDecimal(std::string_view text, const NumberFormat& format)
{
    // Far beyond any real's exponent, so that a shift by the count of
    // digits can never overflow.
    constexpr std::int64_t kLargestExponent = 1'000'000;
    Scanner scanner(text, 0);
    scanner.SkipBlanks();
    const auto number = ScanNumber(scanner, {".", format.decimalSeparator});
    if (!number) {
        return std::nullopt;
    }
    WrittenDecimal decimal{number->negative, {}, 0};
    if (!number->exponent.empty()) {
        const std::string_view written = number->exponent;
        const std::size_t start = written.front() == '+' ? 1 : 0;
        const auto [end, error] =
            std::from_chars(written.data() + start, written.data() + written.size(), decimal.exponent);
        if (error != std::errc() || decimal.exponent > kLargestExponent || decimal.exponent < -kLargestExponent) {
            return std::nullopt;
        }
    }
    const std::size_t point = number->mantissa.find('.');
    decimal.digits = number->mantissa;
    if (point != std::string::npos) {
        decimal.digits.erase(point, 1);
        decimal.exponent -= static_cast<std::int64_t>(number->mantissa.size() - point - 1);
    }
    return decimal;
}

double LocaleReal(std::string_view text, const NumberFormat& format)
{
    Scanner scanner(text, 0);
    scanner.SkipBlanks();
    const auto number = ScanNumber(scanner, {format.decimalSeparator});
    if (!number) {
        throw RunTimeError(ErrorKind::TypeMismatch);
    }
    scanner.SkipBlanks();
    if (!scanner.AtEnd()) {
        throw RunTimeError(ErrorKind::TypeMismatch);
    }
    return ValueOf(*number);
}

std::int32_t RoundToLong(double value)
{
    return RoundInto<std::int32_t>(value);
}

std::int32_t LocaleLong(std::string_view text, const NumberFormat& format)
{
    return RoundToLong(LocaleReal(text, format));
}

std::int16_t LocaleInteger(std::string_view text, const NumberFormat& format)
{
    return RoundInto<std::int16_t>(LocaleReal(text, format));
}

std::string RealText(double value, const NumberFormat& format)
{
    if (value == 0.0) {
        return "0";
    }
    const SignificantDigits significant = FifteenDigits(std::fabs(value));
    const bool plain = significant.exponent >= kSmallestPlainExponent && significant.exponent <= kLargestPlainExponent;
    const std::string magnitude = plain ? PlainNotation(significant) : ExponentNotation(significant);
    return WithSeparator((value < 0.0 ? "-" : "") + magnitude, format);
}

std::string IntegerText(std::int16_t value)
{
    return std::to_string(value);
}

std::string CellText(const ValueCell& cell, const NumberFormat& format)
{
    if (cell.IsInteger()) {
        return IntegerText(cell.IntegerValue());
    }
    if (cell.IsReal()) {
        return RealText(cell.RealValue(), format);
    }
    return {};
}

std::int32_t CellLong(const ValueCell& cell)
{
    if (cell.IsInteger()) {
        return cell.IntegerValue();
    }
    return RoundToLong(cell.Numeric());
}

double CellReal(const ValueCell& cell)
{
    return cell.Numeric();
}

namespace {
// The places after the point of a pattern such as "#####.##". The places
// before it neither limit nor pad the whole part.
int DecimalPlaces(std::string_view pattern)
{
    const std::size_t point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}
}  // namespace

std::string PictureText(std::string_view content, std::string_view pattern, const NumberFormat& format)
{
    double value = 0.0;
    try {
        value = LocaleReal(content, format);
    } catch (const RunTimeError&) {
        return std::string(content);
    }
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::fixed, DecimalPlaces(pattern));
    const std::string_view fixed(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = std::min(fixed.find('.'), fixed.size());
    std::string whole(fixed.substr(0, point));
    std::string decimals(fixed.substr(std::min(point + 1, fixed.size())));
    if (whole == "0") {
        whole.clear();
    }
    DropTrailingZeros(decimals);
    const bool roundsToZero = whole.empty() && decimals.empty();
    const std::string sign = value < 0.0 && !roundsToZero ? "-" : "";
    return sign + whole + format.decimalSeparator + decimals;
}

}  // namespace pali
