// SPDX-License-Identifier: MIT

#pragma once

#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "app/drawing.h"

namespace pali::doc {

// A calculation report as data: headings, paragraphs, tables, formula lines,
// figures and page breaks, in the order they are read. Each file format (the
// Word file, the PDF, a printed page) writes it with one writer of its own;
// nothing of the report's wording lives in a writer.

struct Heading {
    int level = 1;  // 1 for a section, 2 for its parts
    std::string text;
    bool operator==(const Heading&) const = default;
};

struct Run {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool operator==(const Run&) const = default;
};

enum class ParagraphKind {
    Title,  // the cover's title
    Cover,  // the cover's lines under it
    Body,
    Formula,  // a calculation written out with its numbers, set apart
    Note,     // a remark in smaller type
    Listing,  // a line of the program's printout, in a face of even widths, every blank kept
};

struct Paragraph {
    ParagraphKind kind = ParagraphKind::Body;
    std::vector<Run> runs;
    bool operator==(const Paragraph&) const = default;
};

enum class Align { Left, Centre, Right };

struct Column {
    std::string heading;
    double share = 1.0;  // of the text's width, relative to the other columns
    Align align = Align::Left;
    bool operator==(const Column&) const = default;
};

// A table with one row of headings; every row has a cell for each column.
struct Table {
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;
    bool operator==(const Table&) const = default;
};

// A drawing in points (1/72 in), as wide as the text or narrower, with its
// caption under it.
struct Figure {
    draw::Drawing drawing;
    std::string caption;
};

struct PageBreak {
    bool operator==(const PageBreak&) const = default;
};

using Block = std::variant<Heading, Paragraph, Table, Figure, PageBreak>;
// Written one after another; a deque never moves those already written.
using Blocks = std::deque<Block>;

struct Document {
    std::string footer;  // the work's name, beside the page number
    Blocks blocks;
};

// A4 with margins of 2 cm: the text's width and height in points.
inline constexpr double kPageWidth = 595.276;
inline constexpr double kPageHeight = 841.89;
inline constexpr double kMargin = 56.693;
inline constexpr double kTextWidth = kPageWidth - 2 * kMargin;

}  // namespace pali::doc
