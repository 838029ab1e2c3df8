// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <windows.h>

#include "app/calculation_report/document.h"
#include "core/report/recording_printer.h"

namespace pali {

// Sends a complete composed report to the default printer through GDI, laid
// out as on every system. Without a default printer the print dialog lets the
// engineer choose one; cancelling it prints nothing. A printer that fails is
// reported in a message box over the owner window, and nothing of the report
// stays in its queue.
void DeliverReport(const std::vector<PrintedLine>& lines, HWND owner);

// The report as the window composes it in a click; none when the click failed.
using ReportComposer = std::function<std::optional<std::vector<PrintedLine>>()>;

// Stampa...: the print dialog first, where the engineer picks any printer
// (a PDF printer among them) and the copies; then the report, composed once
// a printer is chosen, on that printer. Cancelling prints nothing.
void PrintThroughDialog(HWND owner, const ReportComposer& compose);

// Stampa relazione...: the same print dialog; then the calculation report,
// composed once a printer is chosen, on A4 standing upright with the settings
// chosen. A printer that fails is named in a message box over the owner
// window; cancelling prints nothing.
void PrintDocumentThroughDialog(HWND owner, const std::function<doc::Document()>& compose);

}  // namespace pali
