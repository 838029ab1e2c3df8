#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "state/value_cell.h"

namespace pali {

// The items a report line is made of. Each item begins where the previous one
// ended: there is no separator and no tab zone, only the spacing the items
// bring themselves.
struct Literal {
    std::string text;
};

// A box's text as the box holds it; an empty box contributes nothing.
struct BoxText {
    std::string text;
};

// A box's text written through a number pattern such as "#######.##".
struct Picture {
    std::string content;
    std::string pattern;
};

// A layer number, written between a leading and a trailing space.
struct Number {
    std::int16_t value;
};

// A cell of the layer table: nothing when empty, otherwise written like a number.
struct Cell {
    ValueCell value;
};

// Moves the print position to a column, counted from 1 at the left margin.
struct Column {
    std::size_t column;
};

using PrintItem = std::variant<Literal, BoxText, Picture, Number, Cell, Column>;
using PrintItems = std::vector<PrintItem>;

}  // namespace pali
