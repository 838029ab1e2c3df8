// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "app/calculation_report/document.h"

namespace pali::doc {

// The bytes of a Word file (.docx, Office Open XML) holding the document:
// headings in Word's heading styles, tables as tables, figures as groups of
// vector shapes, the footer's text and the page number on every page. The
// same document gives the same bytes on every system.
std::string WordDocument(const Document& document);

}  // namespace pali::doc
