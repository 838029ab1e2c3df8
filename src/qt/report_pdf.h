// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "app/calculation_report/document.h"

class QPagedPaintDevice;

namespace pali {

// The bytes of the calculation report as a PDF: A4, its text selectable and
// its fonts embedded, its figures drawn as lines.
std::string ReportPdf(const doc::Document& document);

// Paints the calculation report's A4 pages on a PDF writer or on a printer
// that prints its full page (the pages draw their own margins); false when
// the device could not start or take a page.
bool PaintReport(const doc::Document& document, QPagedPaintDevice& device);

}  // namespace pali
