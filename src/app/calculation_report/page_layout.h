// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include "app/calculation_report/document.h"
#include "app/drawing.h"

namespace pali::doc {

// The document laid out on A4 pages, each page a drawing in points with its
// footer: the work's name and "Pagina N di M". Words wrap at the text's
// width as the surface measures them, a table's heading row comes again at
// the top of each page it runs onto, a heading never ends a page, and a
// figure wider or taller than the text is made smaller to fit. A printed
// page and a PDF paint the same drawings, each with its own painter.
std::vector<draw::Drawing> PagesOf(const Document& document, const draw::TextMeasure& measure);

}  // namespace pali::doc
