// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "app/calculation_report/document.h"

namespace pali {

// The bytes of the calculation report as a PDF: A4, its text selectable and
// its fonts embedded, its figures drawn as lines.
std::string ReportPdf(const doc::Document& document);

}  // namespace pali
