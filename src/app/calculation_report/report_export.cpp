// SPDX-License-Identifier: MIT

#include "app/calculation_report/report_export.h"

#include <algorithm>
#include <cctype>

#include "app/calculation_report/calculation_report.h"
#include "app/calculation_report/document_text_measure.h"
#include "app/project_session.h"

namespace pali::doc {

namespace {

// Where the packages put the validation document, written the same on every
// system so that a report's bytes do not depend on where it was made.
constexpr std::string_view kValidationDocumentPlace =
    "/usr/share/doc/portanza-pali/validazione.pdf (Linux) o nella cartella del programma (Windows), e si "
    "apre dal menu ? con Relazione di validazione";

bool EndsWithInAnyCase(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() &&
           std::ranges::equal(text.substr(text.size() - ending.size()), ending, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

std::optional<ReportFormat> ReportFormatOf(std::string_view path)
{
    if (EndsWithInAnyCase(path, kPdfExtension)) {
        return ReportFormat::Pdf;
    }
    if (EndsWithInAnyCase(path, kWordExtension)) {
        return ReportFormat::Word;
    }
    return std::nullopt;
}

ReportInputs ReportInputsOf(const Project& project, const std::string& projectPath, const NumberFormat& format)
{
    return {project.form,
            project.state,
            project.verticals,
            project.data,
            projectPath.empty() ? std::string() : FileNameOf(projectPath),
            format,
            PALI_VERSION,
            std::string(kValidationDocumentPlace),
            PALI_VALIDATION_CASES};
}

Document ReportOf(const ReportInputs& inputs)
{
    return CalculationReport(inputs, DocumentTextMeasure());
}

std::string ReportNotWritten(const std::string& path, const std::string& reason)
{
    return "Impossibile scrivere la relazione «" + FileNameOf(path) + "»: " + reason + ".";
}

std::string PrintInsteadQuestion(const std::string& path, const std::string& reason)
{
    return ReportNotWritten(path, reason) + "\n\nStampare la relazione su una stampante da scegliere?";
}

}  // namespace pali::doc
