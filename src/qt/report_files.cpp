// SPDX-License-Identifier: MIT

#include "qt/report_files.h"

#include "app/calculation_report/word_document.h"
#include "qt/file_reading.h"
#include "qt/report_pdf.h"

namespace pali {

std::optional<std::string> QtReportFiles::write(const doc::Document& document, doc::ReportFormat format,
                                                const std::string& path)
{
    return WriteFileWithQt(path, format == doc::ReportFormat::Word ? doc::WordDocument(document) : ReportPdf(document));
}

}  // namespace pali
