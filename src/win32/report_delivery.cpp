// SPDX-License-Identifier: MIT

#include "win32/report_delivery.h"

#include <commdlg.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/report/report_texts.h"
#include "win32/gdi_report_page.h"
#include "win32/printer_context.h"
#include "win32/report_printing.h"
#include "win32/wide_text.h"

namespace pali {
namespace {

constexpr char kNoPrinterMessage[] =
    "Nessuna stampante disponibile: la relazione non è stata stampata.\n"
    "I dati del progetto restano nella finestra.";

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

// The document printed on the printer chosen, on its page; false when the
// printer or the document failed.
bool PrintOn(const PrinterChoice& choice, const PageSetup& page, const std::function<bool(HDC)>& print)
{
    const HDC dc = PrinterContext(choice, page);
    if (dc == nullptr) {
        return false;
    }
    const bool printed = print(dc);
    DeleteDC(dc);
    return printed;
}

void ShowError(HWND owner, const std::string& message)
{
    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(owner)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(owner, title.data(), static_cast<int>(title.size()))));
    MessageBoxW(owner, WideText(message).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void PrintOrSay(const PrinterChoice& choice, const PageSetup& page, const std::function<bool(HDC)>& print, HWND owner)
{
    if (!PrintOn(choice, page, print)) {
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

std::function<bool(HDC)> PrintoutOf(const std::vector<PrintedLine>& lines)
{
    return [&lines](HDC dc) { return PrintReportOn(dc, lines); };
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
    PrintOrSay(*choice, kPrintoutPage, PrintoutOf(lines), owner);
}

void PrintThroughDialog(HWND owner, const ReportComposer& compose)
{
    PrinterChoice choice;
    if (!PrinterChosen(ChoosePrinter(owner, choice), owner)) {
        return;
    }
    if (const auto lines = compose()) {
        PrintOrSay(choice, kPrintoutPage, PrintoutOf(*lines), owner);
    }
}

void PrintDocumentThroughDialog(HWND owner, const std::function<doc::Document()>& compose)
{
    PrinterChoice choice;
    if (!PrinterChosen(ChoosePrinter(owner, choice), owner)) {
        return;
    }
    const doc::Document document = compose();
    PrintOrSay(
        choice, kCalculationReportPage, [&](HDC dc) { return PrintCalculationReport(dc, document); }, owner);
}

}  // namespace pali
