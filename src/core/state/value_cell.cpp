// SPDX-License-Identifier: MIT

#include "core/state/value_cell.h"

#include <limits>

#include "core/state/checked_real.h"
#include "core/state/run_time_error.h"

namespace pali {

double ValueCell::Numeric() const
{
    if (IsInteger()) {
        return IntegerValue();
    }
    if (IsReal()) {
        return RealValue();
    }
    return 0.0;
}

namespace {
bool BothWhole(const ValueCell& left, const ValueCell& right)
{
    return !left.IsReal() && !right.IsReal();
}

ValueCell IntegerResult(long whole)
{
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max()) {
        throw RunTimeError(ErrorKind::Overflow);
    }
    return ValueCell::Integer(static_cast<std::int16_t>(whole));
}

long WholeValue(const ValueCell& cell)
{
    return cell.IsInteger() ? cell.IntegerValue() : 0;
}
}  // namespace

ValueCell operator+(const ValueCell& left, const ValueCell& right)
{
    if (BothWhole(left, right)) {
        return IntegerResult(WholeValue(left) + WholeValue(right));
    }
    return CheckedAdd(left.Numeric(), right.Numeric());
}

ValueCell operator*(const ValueCell& left, const ValueCell& right)
{
    if (BothWhole(left, right)) {
        return IntegerResult(WholeValue(left) * WholeValue(right));
    }
    return CheckedMultiply(left.Numeric(), right.Numeric());
}

ValueCell operator/(const ValueCell& left, const ValueCell& right)
{
    return CheckedDivide(left.Numeric(), right.Numeric());
}

bool NumericallyEqual(const ValueCell& left, const ValueCell& right)
{
    return left.Numeric() == right.Numeric();
}

}  // namespace pali
