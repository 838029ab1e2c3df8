// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "app/calculation_report/document.h"

namespace pali {

// Prints the calculation report on a printer's device context as one job
// named after the work: its A4 pages as the report lays them out, measured
// and painted on the printer's pixels, each page's coordinates taken from the
// paper's corner. With an output file the printer writes the job into it. On
// any failure the job is aborted, so nothing of it stays in the queue, and
// the answer is false.
bool PrintCalculationReport(HDC printer, const doc::Document& document, const std::wstring& output = {});

// The PDF printer Windows installs ("Microsoft Print to PDF"), when this
// computer has it.
std::optional<std::wstring> InstalledPdfPrinter();

// The calculation report printed by that printer into a file: written beside
// the path under another name, and moved onto the path once the printer has
// finished it. The reason, in Italian or in the system's words, when it could
// not be, and then nothing of it is left on the disk. The path is UTF-8.
std::optional<std::string> PrintToPdfFile(const std::wstring& printer, const doc::Document& document,
                                          const std::string& path);

}  // namespace pali
