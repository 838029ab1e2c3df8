#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>

#include "state/box.h"

namespace pali {

enum class ErrorKind {
    TypeMismatch,         // a locale reading of empty or non-numeric text
    Overflow,             // a number outside its target's range, or an invalid real operation
    DivisionByZero,       // a non-zero number divided by zero
    SubscriptOutOfRange,  // a layer row outside 0..20
};

std::string_view ErrorKindName(ErrorKind kind);

// The one failure of the program's steps. A handler stops at the step that
// raises it; the box, when known, is the text box whose text caused it.
class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(ErrorKind kind, std::optional<Box> box = std::nullopt);

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

}  // namespace pali
