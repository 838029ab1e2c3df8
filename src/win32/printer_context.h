// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace pali {

// A printer and the settings to print with, as the print dialog leaves them
// or as the printer's driver gives them by default.
struct PrinterChoice {
    std::wstring name;
    std::vector<std::byte> settings;  // a DEVMODEW and its driver's data; empty for the driver's own
};

// What a document asks of the page, over the settings the engineer chose:
// STAMPA's printout lies across the paper, the calculation report stands on A4.
struct PageSetup {
    short orientation;
    std::optional<short> paper;  // none: the paper chosen
};

inline constexpr PageSetup kPrintoutPage{DMORIENT_LANDSCAPE, std::nullopt};
inline constexpr PageSetup kCalculationReportPage{DMORIENT_PORTRAIT, DMPAPER_A4};

// The printer's device context for that page, with the chosen settings; null
// when the printer cannot be opened or its driver refuses them.
HDC PrinterContext(const PrinterChoice& choice, const PageSetup& page);

}  // namespace pali
