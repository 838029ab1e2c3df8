// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/calculation_report/document.h"
#include "app/calculation_report/report_inputs.h"
#include "app/project_file.h"

namespace pali::doc {

// The files the calculation report is written to, told by the name's ending.
enum class ReportFormat { Pdf, Word };

inline constexpr std::string_view kPdfExtension = ".pdf";
inline constexpr std::string_view kWordExtension = ".docx";

// The report's formats as the export dialogs list them, PDF first.
struct ReportFileType {
    std::string_view name;
    std::string_view extension;
};
inline constexpr std::array kReportFileTypes = {ReportFileType{"Documento PDF", kPdfExtension},
                                                ReportFileType{"Documento Word", kWordExtension}};

// Why Windows cannot write the report as a PDF: the PDF comes from Windows'
// own PDF printer, which a computer may lack.
inline constexpr std::string_view kPdfPrinterName = "Microsoft Print to PDF";
inline constexpr std::string_view kNoPdfPrinterReason =
    "su questo computer non è installata la stampante «Microsoft Print to PDF»";

// The format a file's name asks for (its ending in any case); none for another.
std::optional<ReportFormat> ReportFormatOf(std::string_view path);

// What the report is written from: a project as it stands and the name of
// the file it is kept in (empty before it is saved).
ReportInputs ReportInputsOf(const Project& project, const std::string& projectPath, const NumberFormat& format);

// The calculation report of a project, its figures measured in the
// documents' face, the same for every file it is written to.
Document ReportOf(const ReportInputs& inputs);

// How a system writes the report's files: the reason in its own words when it
// could not, none when written. A system that cannot write a format at all
// (Windows without a PDF printer) says why before anything is written.
class ReportFiles {
public:
    virtual ~ReportFiles() = default;
    virtual std::optional<std::string> unavailable(ReportFormat format) const = 0;
    virtual std::optional<std::string> write(const Document& document, ReportFormat format,
                                             const std::string& path) = 0;
};

// The message of a report that could not be written.
std::string ReportNotWritten(const std::string& path, const std::string& reason);

// The question when the report cannot be written in the format asked at all:
// the reason, and whether to print it on a printer the engineer picks instead.
std::string PrintInsteadQuestion(const std::string& path, const std::string& reason);

}  // namespace pali::doc
