// SPDX-License-Identifier: MIT

#include "win32/printer_context.h"

namespace pali {

HDC PrinterContext(const PrinterChoice& choice, const PageSetup& page)
{
    std::wstring name = choice.name;
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, nullptr)) {
        return nullptr;
    }
    const LONG size = DocumentPropertiesW(nullptr, printer, name.data(), nullptr, nullptr, 0);
    std::vector<std::byte> settings(size > 0 ? static_cast<std::size_t>(size) : 0);
    std::vector<std::byte> chosenSettings = choice.settings;
    auto* merged = reinterpret_cast<DEVMODEW*>(settings.data());
    auto* chosen = chosenSettings.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(chosenSettings.data());
    const DWORD mode = DM_OUT_BUFFER | (chosen != nullptr ? DM_IN_BUFFER : 0);
    const bool read = size > 0 && DocumentPropertiesW(nullptr, printer, name.data(), merged, chosen, mode) == IDOK;
    ClosePrinter(printer);
    if (!read) {
        return nullptr;
    }
    merged->dmFields |= DM_ORIENTATION;
    merged->dmOrientation = page.orientation;
    if (page.paper) {
        // A paper of its own replaces any size the settings gave by length and width.
        merged->dmFields = (merged->dmFields | DM_PAPERSIZE) & ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH);
        merged->dmPaperSize = *page.paper;
    }
    return CreateDCW(L"WINSPOOL", name.c_str(), nullptr, merged);
}

}  // namespace pali
