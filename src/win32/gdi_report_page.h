// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include <windows.h>

#include "core/report/recording_printer.h"

namespace pali {

// Prints a composed report on a printer's device context as one document,
// laid out by the report's page rule in "Courier New" inside 10 mm margins,
// each character in its own cell. On any failure the document is aborted, so
// nothing of it is printed, and the answer is false.
bool PrintReportOn(HDC printer, const std::vector<PrintedLine>& lines);

}  // namespace pali
