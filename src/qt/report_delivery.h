// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include "core/report/recording_printer.h"

class QWidget;

namespace pali {

// Sends a complete composed report to the system's default printer. Without a
// default printer it offers to save the same pages as a PDF file and says
// where it went; a printer or a file that fails is reported in a message box.
void DeliverReport(const std::vector<PrintedLine>& lines, QWidget* parent);

}  // namespace pali
