// SPDX-License-Identifier: MIT

#include "win32/report_files.h"

#include "app/calculation_report/word_document.h"
#include "win32/project_disk.h"
#include "win32/report_printing.h"

namespace pali {

std::optional<std::string> Win32ReportFiles::unavailable(doc::ReportFormat format) const
{
    if (format == doc::ReportFormat::Pdf && !InstalledPdfPrinter()) {
        return std::string(doc::kNoPdfPrinterReason);
    }
    return std::nullopt;
}

std::optional<std::string> Win32ReportFiles::write(const doc::Document& document, doc::ReportFormat format,
                                                   const std::string& path)
{
    if (format == doc::ReportFormat::Word) {
        return WriteFileSafely(path, doc::WordDocument(document));
    }
    if (const auto printer = InstalledPdfPrinter()) {
        return PrintToPdfFile(*printer, document, path);
    }
    return std::string(doc::kNoPdfPrinterReason);
}

}  // namespace pali
