// SPDX-License-Identifier: MIT

#include "win32/report_printing.h"

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "app/calculation_report/page_layout.h"
#include "app/calculation_report/report_export.h"
#include "win32/gdi_painter.h"
#include "win32/printer_context.h"
#include "win32/system_message.h"
#include "win32/wide_text.h"

namespace pali {
namespace {

constexpr double kPointsPerInch = 72;

// A printer hands a job to its port after the program has ended it; a PDF
// printer takes a second or two for a long report.
constexpr DWORD kJobWaitMilliseconds = 120'000;
constexpr DWORD kJobPollMilliseconds = 100;

// Each page on a sheet of its own; false when the printer refused one.
bool PrintPages(HDC printer, GdiPainter& painter, const std::vector<draw::Drawing>& pages, double dotsPerPoint,
                draw::Point paperCorner)
{
    for (const draw::Drawing& page : pages) {
        if (StartPage(printer) <= 0) {
            return false;
        }
        draw::Paint(draw::Placed(page, dotsPerPoint, paperCorner), painter);
        if (EndPage(printer) <= 0) {
            return false;
        }
    }
    return true;
}

// The report's pages painted on the printer, from StartDoc to EndDoc; the
// job's number when the printer took it whole.
std::optional<DWORD> PrintJob(HDC printer, const doc::Document& document, const std::wstring& output)
{
    GdiPainter painter(printer);
    const double dotsPerPoint = GetDeviceCaps(printer, LOGPIXELSX) / kPointsPerInch;
    // The device's coordinates start where the printer can print, inside the
    // paper's edge; the page's start at the paper's corner.
    const draw::Point paperCorner{-static_cast<double>(GetDeviceCaps(printer, PHYSICALOFFSETX)),
                                  -static_cast<double>(GetDeviceCaps(printer, PHYSICALOFFSETY))};
    const std::vector<draw::Drawing> pages = doc::PagesOf(document, draw::ScaledMeasure(painter, dotsPerPoint));

    const std::wstring name = WideText(document.footer);
    DOCINFOW job{};
    job.cbSize = sizeof(job);
    job.lpszDocName = name.c_str();
    job.lpszOutput = output.empty() ? nullptr : output.c_str();
    const int number = StartDocW(printer, &job);
    if (number <= 0) {
        return std::nullopt;
    }
    if (!PrintPages(printer, painter, pages, dotsPerPoint, paperCorner) || EndDoc(printer) <= 0) {
        AbortDoc(printer);
        return std::nullopt;
    }
    return static_cast<DWORD>(number);
}

// Why a printer let the report down, to follow the file's name in a message.
std::string PrinterProblem(const std::wstring& printer, std::string_view what)
{
    return "la stampante «" + Utf8Text(printer) + "» " + std::string(what);
}

// Where a job stands in its printer's queue.
enum class JobState { Pending, Done, Failed };

JobState StateOf(HANDLE printer, DWORD job)
{
    DWORD size = 0;
    GetJobW(printer, job, 1, nullptr, 0, &size);
    std::vector<std::byte> data(size);
    // A job the queue no longer knows has been handed on whole or not at all:
    // the file it was written into tells which.
    if (size == 0 || !GetJobW(printer, job, 1, reinterpret_cast<BYTE*>(data.data()), size, &size)) {
        return JobState::Done;
    }
    const DWORD status = reinterpret_cast<const JOB_INFO_1W*>(data.data())->Status;
    if (status & (JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE)) {
        return JobState::Done;
    }
    if (status & (JOB_STATUS_ERROR | JOB_STATUS_DELETING | JOB_STATUS_DELETED)) {
        return JobState::Failed;
    }
    return JobState::Pending;
}

// Waits until the printer has finished the job. The reason when it failed or
// did not finish in time; a job given up is taken off the queue.
std::optional<std::string> AwaitJob(const std::wstring& printerName, DWORD job)
{
    std::wstring name = printerName;
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, nullptr)) {
        return SystemMessage(GetLastError());
    }
    JobState state = StateOf(printer, job);
    for (DWORD waited = 0; state == JobState::Pending && waited < kJobWaitMilliseconds;
         waited += kJobPollMilliseconds) {
        Sleep(kJobPollMilliseconds);
        state = StateOf(printer, job);
    }
    if (state != JobState::Done) {
        SetJobW(printer, job, 0, nullptr, JOB_CONTROL_DELETE);
    }
    ClosePrinter(printer);
    switch (state) {
    case JobState::Pending: return PrinterProblem(printerName, "non ha finito il documento in tempo");
    case JobState::Failed: return PrinterProblem(printerName, "non ha potuto scrivere il documento");
    case JobState::Done: break;
    }
    return std::nullopt;
}

// The reason when the printer left the file empty or it cannot be read.
std::optional<std::string> EmptyFile(const std::wstring& file, const std::wstring& printer)
{
    WIN32_FILE_ATTRIBUTE_DATA written{};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &written)) {
        return SystemMessage(GetLastError());
    }
    if (written.nFileSizeLow == 0 && written.nFileSizeHigh == 0) {
        return PrinterProblem(printer, "non ha scritto nulla nel file");
    }
    return std::nullopt;
}

// A new empty file of a name of its own in the path's folder; none when the
// folder takes none, and GetLastError says why.
std::optional<std::wstring> FileBeside(const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : L".";
    wchar_t name[MAX_PATH];
    if (GetTempFileNameW(folder.c_str(), L"pal", 0, name) == 0) {
        return std::nullopt;
    }
    return name;
}

std::optional<std::string> PrintAndMove(const std::wstring& printer, const doc::Document& document,
                                        const std::wstring& part, const std::wstring& path)
{
    const HDC dc = PrinterContext({printer, {}}, kCalculationReportPage);
    if (dc == nullptr) {
        return PrinterProblem(printer, "non è disponibile");
    }
    const std::optional<DWORD> job = PrintJob(dc, document, part);
    DeleteDC(dc);
    if (!job) {
        return PrinterProblem(printer, "non ha potuto stampare la relazione");
    }
    if (auto reason = AwaitJob(printer, *job)) {
        return reason;
    }
    if (auto reason = EmptyFile(part, printer)) {
        return reason;
    }
    if (!MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return SystemMessage(GetLastError());
    }
    return std::nullopt;
}

}  // namespace

bool PrintCalculationReport(HDC printer, const doc::Document& document, const std::wstring& output)
{
    return PrintJob(printer, document, output).has_value();
}

std::optional<std::wstring> InstalledPdfPrinter()
{
    constexpr DWORD kWhere = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD size = 0;
    DWORD count = 0;
    EnumPrintersW(kWhere, nullptr, 4, nullptr, 0, &size, &count);
    std::vector<std::byte> data(size);
    if (size == 0 || !EnumPrintersW(kWhere, nullptr, 4, reinterpret_cast<BYTE*>(data.data()), size, &size, &count)) {
        return std::nullopt;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(data.data());
    const std::wstring pdfPrinter = WideText(doc::kPdfPrinterName);
    for (DWORD index = 0; index < count; ++index) {
        if (printers[index].pPrinterName == pdfPrinter) {
            return pdfPrinter;
        }
    }
    return std::nullopt;
}

std::optional<std::string> PrintToPdfFile(const std::wstring& printer, const doc::Document& document,
                                          const std::string& path)
{
    const std::wstring target = WideText(path);
    const std::optional<std::wstring> part = FileBeside(target);
    if (!part) {
        return SystemMessage(GetLastError());
    }
    const std::optional<std::string> failed = PrintAndMove(printer, document, *part, target);
    if (failed) {
        DeleteFileW(part->c_str());
    }
    return failed;
}

}  // namespace pali
