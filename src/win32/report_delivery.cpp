// SPDX-License-Identifier: MIT

#include "win32/report_delivery.h"

#include <commdlg.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/report/report_texts.h"
#include "win32/gdi_report_page.h"
#include "win32/wide_text.h"

namespace pali {
namespace {

constexpr char kNoPrinterMessage[] =
    "Nessuna stampante disponibile: la relazione non è stata stampata.\n"
    "I dati del progetto restano nella finestra.";

// A printer and the settings to print with, as the print dialog leaves them
// or as the printer's driver gives them by default.
struct PrinterChoice {
    std::wstring name;
    std::vector<std::byte> settings;  // a DEVMODEW and its driver's data; empty for the driver's own
};

std::optional<PrinterChoice> DefaultPrinter()
{
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) {
        return std::nullopt;
    }
    name.resize(size - 1);
    return PrinterChoice{name, {}};
}

std::vector<std::byte> CopyOfGlobal(HGLOBAL memory)
{
    std::vector<std::byte> copy;
    if (const auto* data = static_cast<const std::byte*>(GlobalLock(memory))) {
        copy.assign(data, data + GlobalSize(memory));
        GlobalUnlock(memory);
    }
    return copy;
}

std::wstring DeviceNameOf(HGLOBAL names)
{
    std::wstring device;
    if (const auto* data = static_cast<const DEVNAMES*>(GlobalLock(names))) {
        device = reinterpret_cast<const wchar_t*>(data) + data->wDeviceOffset;
        GlobalUnlock(names);
    }
    return device;
}

enum class DialogOutcome { Chosen, Cancelled, Failed };

// What a print dialog left: the printer chosen and its settings; the
// dialog's memory is freed either way.
bool TakeChosenPrinter(bool chosen, HGLOBAL names, HGLOBAL settings, PrinterChoice& choice)
{
    if (chosen) {
        choice.name = DeviceNameOf(names);
        choice.settings = CopyOfGlobal(settings);
    }
    GlobalFree(settings);
    GlobalFree(names);
    return chosen;
}

// Without any printer the dialogs fail; the program says so itself, in
// Italian. A file of the printer's own language is of no use to the engineer.
constexpr DWORD kPrintDialogFlags =
    PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;

// The print dialog, for a computer without a default printer.
DialogOutcome AskForPrinter(HWND owner, PrinterChoice& choice)
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = kPrintDialogFlags;
    if (TakeChosenPrinter(PrintDlgW(&dialog) != FALSE, dialog.hDevNames, dialog.hDevMode, choice)) {
        return DialogOutcome::Chosen;
    }
    return CommDlgExtendedError() == 0 ? DialogOutcome::Cancelled : DialogOutcome::Failed;
}

// The print dialog of Stampa..., which lists every printer.
DialogOutcome ChoosePrinter(HWND owner, PrinterChoice& choice)
{
    PRINTDLGEXW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = kPrintDialogFlags | PD_NOCURRENTPAGE;
    dialog.nStartPage = START_PAGE_GENERAL;
    const HRESULT result = PrintDlgExW(&dialog);
    const bool chosen = SUCCEEDED(result) && dialog.dwResultAction == PD_RESULT_PRINT;
    if (TakeChosenPrinter(chosen, dialog.hDevNames, dialog.hDevMode, choice)) {
        return DialogOutcome::Chosen;
    }
    return SUCCEEDED(result) ? DialogOutcome::Cancelled : DialogOutcome::Failed;
}

// The printer's device context for a landscape page, with the chosen settings.
HDC LandscapeContext(PrinterChoice& choice)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterW(choice.name.data(), &printer, nullptr)) {
        return nullptr;
    }
    const LONG size = DocumentPropertiesW(nullptr, printer, choice.name.data(), nullptr, nullptr, 0);
    std::vector<std::byte> settings(size > 0 ? static_cast<std::size_t>(size) : 0);
    auto* merged = reinterpret_cast<DEVMODEW*>(settings.data());
    auto* chosen = choice.settings.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(choice.settings.data());
    const DWORD mode = DM_OUT_BUFFER | (chosen != nullptr ? DM_IN_BUFFER : 0);
    const bool read =
        size > 0 && DocumentPropertiesW(nullptr, printer, choice.name.data(), merged, chosen, mode) == IDOK;
    ClosePrinter(printer);
    if (!read) {
        return nullptr;
    }
    merged->dmFields |= DM_ORIENTATION;
    merged->dmOrientation = DMORIENT_LANDSCAPE;
    return CreateDCW(L"WINSPOOL", choice.name.c_str(), nullptr, merged);
}

bool Print(PrinterChoice& choice, const std::vector<PrintedLine>& lines)
{
    const HDC dc = LandscapeContext(choice);
    if (dc == nullptr) {
        return false;
    }
    const bool printed = PrintReportOn(dc, lines);
    DeleteDC(dc);
    return printed;
}

void ShowError(HWND owner, const std::string& message)
{
    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(owner)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(owner, title.data(), static_cast<int>(title.size()))));
    MessageBoxW(owner, WideText(message).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void PrintOrSay(PrinterChoice& choice, const std::vector<PrintedLine>& lines, HWND owner)
{
    if (!Print(choice, lines)) {
        ShowError(owner, PrinterFailedMessage(Utf8Text(choice.name)));
    }
}

// Whether the dialog ended with a printer chosen; one that failed is
// explained in Italian, a cancelled one needs no word.
bool PrinterChosen(DialogOutcome outcome, HWND owner)
{
    if (outcome == DialogOutcome::Failed) {
        ShowError(owner, kNoPrinterMessage);
    }
    return outcome == DialogOutcome::Chosen;
}

}  // namespace

void DeliverReport(const std::vector<PrintedLine>& lines, HWND owner)
{
    std::optional<PrinterChoice> choice = DefaultPrinter();
    if (!choice) {
        choice.emplace();
        if (!PrinterChosen(AskForPrinter(owner, *choice), owner)) {
            return;
        }
    }
    PrintOrSay(*choice, lines, owner);
}

void PrintThroughDialog(HWND owner, const ReportComposer& compose)
{
    PrinterChoice choice;
    if (!PrinterChosen(ChoosePrinter(owner, choice), owner)) {
        return;
    }
    if (const auto lines = compose()) {
        PrintOrSay(choice, *lines, owner);
    }
}

}  // namespace pali
