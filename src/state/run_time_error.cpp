#include "state/run_time_error.h"

#include <cmath>
#include <limits>
#include <string>

namespace pali {

std::string_view ErrorKindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch: return "type mismatch";
    case ErrorKind::Overflow: return "overflow";
    case ErrorKind::DivisionByZero: return "division by zero";
    case ErrorKind::SubscriptOutOfRange: return "subscript out of range";
    }
    return "unknown";
}

namespace {
std::string Describe(ErrorKind kind, std::optional<Box> box)
{
    std::string text(ErrorKindName(kind));
    if (box) {
        text += " in ";
        text += BoxName(*box);
    }
    return text;
}
}  // namespace

RunTimeError::RunTimeError(ErrorKind kind, std::optional<Box> box)
    : std::runtime_error(Describe(kind, box)), kind_(kind), box_(box)
{
}

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
