// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/state/value_cell.h"

namespace pali {

// The items a report line is made of. Each item begins where the previous one
// ended: there is no separator and no tab zone, only the spacing the items
// bring themselves.
namespace print {

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

using Item = std::variant<Literal, BoxText, Picture, Number, Cell, Column>;

}  // namespace print

using PrintItems = std::vector<print::Item>;

// The printer as the report sees it. The first operation opens the document;
// there is no separate start, and the report asks for nothing else: face,
// page, margins and page breaks are the printer's business.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // Every line printed afterwards uses this size, in points.
    virtual void SetFontSize(float points) = 0;
    // Prints the items from column 1 of a new line, then ends the line.
    virtual void PrintLine(const PrintItems& items) = 0;
    // Ends the document and releases it to the printer.
    virtual void EndDocument() = 0;
};

// Lets std::visit take one lambda per alternative of a variant: of a print
// item, or of a step of the report.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// C++20 deduces this from the aggregate itself, but clang does so only from version 17.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace pali
