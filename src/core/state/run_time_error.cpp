// SPDX-License-Identifier: MIT

#include "core/state/run_time_error.h"

#include <cmath>
#include <limits>

namespace pali {

Operand Typed(Box box, double value)
{
    return {box, std::fabs(value)};
}

Operand TypedDivisor(Box box, double value)
{
    if (value == 0.0) {
        return {box, std::numeric_limits<double>::infinity()};
    }
    return {box, 1.0 / std::fabs(value)};
}

Operand Stored(double value)
{
    return {std::nullopt, std::fabs(value)};
}

}  // namespace pali
