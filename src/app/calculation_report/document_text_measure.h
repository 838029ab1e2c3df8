// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

#include "app/drawing.h"

namespace pali::doc {

// The documents' sans-serif face, Liberation Sans (Arial's and Helvetica's
// widths), measured from a table of advance widths, so that a figure is laid
// out the same on every system whatever fonts it has, and every file format
// places the texts where the layout put them.
class DocumentTextMeasure final : public draw::TextMeasure {
public:
    double width(std::string_view text, double size, bool bold) const override;
    double lineHeight(double size) const override;
};

// The advance of one character in thousandths of the em; a character outside
// the table takes the width of a digit.
int AdvanceWidth(char32_t character, bool bold);

// The face's name as the documents ask for it.
inline constexpr std::string_view kDocumentFace = "Arial";

}  // namespace pali::doc
