// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/report/recording_printer.h"

namespace pali {

// The printable area of a page, inside its margins, in points.
struct PageArea {
    double width;
    double height;
};

// A monospaced face at its normal width, each measure per point of its size:
// the advance of one character cell, the ascent above the baseline, the
// descent below it and the leading between two lines.
struct MonospacedFace {
    double advance;
    double ascent;
    double descent;
    double leading;
};

// One line where it stands on paper: its page (from 0), its baseline in
// points below the top of the printable area, its size and its text.
struct PlacedLine {
    std::size_t page;
    double baseline;
    float fontSize;
    std::string text;

    bool operator==(const PlacedLine&) const = default;
};

// A composed report laid out on pages, the same on every printing system.
struct PageLayout {
    // The face's width relative to its normal width, 1 when nothing needs
    // condensing: as much as the widest line needs to fit across the page,
    // never less than the layer table's widest rule needs to, so the text
    // stays legible whatever a box holds.
    double condense;
    std::vector<PlacedLine> lines;
    std::size_t pageCount;

    // The width of one character cell at a size, in points, condensed.
    double CellWidth(const MonospacedFace& face, float fontSize) const;
};

// Places the lines one below the other and starts a new page where the next
// line would no longer fit. A line still too wide for the page at the least
// legible width continues on as many lines as it needs, its text unchanged.
PageLayout LayOutPages(const std::vector<PrintedLine>& lines, PageArea area, const MonospacedFace& face);

}  // namespace pali
