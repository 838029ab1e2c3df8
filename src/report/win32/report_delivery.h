#pragma once

#include <vector>

#include <windows.h>

#include "report/recording_printer.h"

namespace pali {

// Sends a complete composed report to the default printer through GDI, laid
// out as on every system. Without a default printer the print dialog lets the
// engineer choose one; cancelling it prints nothing. A printer that fails is
// reported in a message box over the owner window, and nothing of the report
// stays in its queue.
void DeliverReport(const std::vector<PrintedLine>& lines, HWND owner);

}  // namespace pali
