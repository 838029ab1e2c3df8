// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace pali {

// The Italian texts printing shows, alike on every system.

// The name the report's print job carries in the printer's queue.
inline constexpr std::string_view kReportDocumentName = "Portanza dei pali di fondazione";

// Told when the printer refuses the report or fails partway through it.
std::string PrinterFailedMessage(std::string_view printerName);

}  // namespace pali
