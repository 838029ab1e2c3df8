// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <optional>

#include "core/state/box.h"

namespace pali {

enum class ErrorKind {
    TypeMismatch,         // a locale reading of empty or non-numeric text
    Overflow,             // a number outside its target's range, or an invalid real operation
    DivisionByZero,       // a non-zero number divided by zero
    SubscriptOutOfRange,  // a layer row outside 0..20
};

// The one failure of the program's steps. A handler stops at the step that
// raises it; the box, when known, is the text box whose text caused it.
class RunTimeError : public std::exception {
public:
    explicit RunTimeError(ErrorKind kind, std::optional<Box> box = std::nullopt) : kind_(kind), box_(box) {}

    ErrorKind kind() const { return kind_; }
    std::optional<Box> box() const { return box_; }

private:
    ErrorKind kind_;
    std::optional<Box> box_;
};

// Runs a step that reads the text of `box`; an error it raises without a box
// of its own is laid at that box's door.
template <class Step>
decltype(auto) Blaming(Box box, Step&& step)
{
    try {
        return step();
    } catch (const RunTimeError& error) {
        if (error.box()) {
            throw;
        }
        throw RunTimeError(error.kind(), box);
    }
}

// A number that a step of arithmetic uses, with the box it was read from (none
// for a value of the layer table) and its weight: how far it pushes a result
// out of range, its magnitude as a term or factor, the reciprocal as a divisor.
struct Operand {
    std::optional<Box> box;
    double weight;
};

Operand Typed(Box box, double value);
Operand TypedDivisor(Box box, double value);
Operand Stored(double value);

// Runs a step of arithmetic on numbers read before it. An error it raises
// without a box of its own is laid at the box of the heaviest operand: with
// one typed number that number's box, with several the one that drove the
// result out of range. When a stored layer value weighs most, no box is named.
template <class Step>
decltype(auto) BlamingHeaviest(std::initializer_list<Operand> operands, Step&& step)
{
    try {
        return step();
    } catch (const RunTimeError& error) {
        if (error.box()) {
            throw;
        }
        const Operand& heaviest =
            *std::max_element(operands.begin(), operands.end(),
                              [](const Operand& left, const Operand& right) { return left.weight < right.weight; });
        throw RunTimeError(error.kind(), heaviest.box);
    }
}

}  // namespace pali
