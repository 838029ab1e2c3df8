// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <variant>

namespace pali {

// A cell of the project state: empty until first assigned, then one 16-bit
// integer or one real. Nothing ever makes a cell empty again.
class ValueCell {
public:
    ValueCell() = default;
    ValueCell(double real) : content_(real) {}  // NOLINT: reals flow in everywhere
    // Whole numbers must say which kind they are (Integer or a real literal),
    // so that 1 never silently becomes the real 1.0.
    template <class T>
    ValueCell(T) = delete;

    static ValueCell Integer(std::int16_t value) { return ValueCell(Tag{}, value); }

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(content_); }
    bool IsInteger() const { return std::holds_alternative<std::int16_t>(content_); }
    bool IsReal() const { return std::holds_alternative<double>(content_); }

    std::int16_t IntegerValue() const { return std::get<std::int16_t>(content_); }
    double RealValue() const { return std::get<double>(content_); }

    // The cell as a number: empty counts as 0.
    double Numeric() const;

    // Same kind and same content: what a restored state must match.
    bool operator==(const ValueCell&) const = default;

private:
    struct Tag {};
    ValueCell(Tag, std::int16_t value) : content_(value) {}

    std::variant<std::monostate, std::int16_t, double> content_;
};

// Value-cell arithmetic: an empty cell counts as integer 0; two integers give
// an integer, a real operand gives a real, division always gives a real.
// Every result is checked like native real arithmetic.
ValueCell operator+(const ValueCell& left, const ValueCell& right);
ValueCell operator*(const ValueCell& left, const ValueCell& right);
ValueCell operator/(const ValueCell& left, const ValueCell& right);

// Numeric equality: an empty cell equals 0, integer 3 equals real 3.0.
bool NumericallyEqual(const ValueCell& left, const ValueCell& right);

}  // namespace pali
