// SPDX-License-Identifier: MIT

#include "win32/report_printing.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/calculation_report/report_export.h"
#include "app/project_file.h"
#include "printed_pdf.h"
#include "win32/printer_context.h"
#include "win32/wide_text.h"

namespace pali {
namespace {

// The queue with-cups-pdf-queue makes, whose jobs land as PDFs.
constexpr wchar_t kQueue[] = L"PDF";

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The report of a validation case: cover, tables, formulas, figures and the annex's printout.
const doc::Document& CaseReport()
{
    static const doc::Document report = doc::ReportOf(
        doc::ReportInputsOf(ReadProjectFile(FileBytes("Z:" PALI_CASE_PROJECT)), "caso8.pali", NumberFormat::Comma()));
    return report;
}

// The words of a text, one blank between each, whatever lines they stand on.
std::string Words(const std::string& text)
{
    std::string words;
    for (const std::string& line : ReadableLines(text)) {
        words += (words.empty() ? "" : " ") + line;
    }
    return words;
}

TEST(CalculationReportPrint, EveryHeadingAndCaptionReachesPaperAndThePrintoutKeepsItsColumns)
{
    const HDC dc = PrinterContext({kQueue, {}}, kCalculationReportPage);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(PrintCalculationReport(dc, CaseReport()));
    DeleteDC(dc);
    const std::string text = PrintedPdfText();

    const std::string words = Words(text);
    for (const doc::Block& block : CaseReport().blocks) {
        if (const auto* heading = std::get_if<doc::Heading>(&block)) {
            EXPECT_NE(words.find(Words(heading->text)), std::string::npos) << heading->text;
        } else if (const auto* figure = std::get_if<doc::Figure>(&block)) {
            EXPECT_NE(words.find(Words(figure->caption)), std::string::npos) << figure->caption;
        }
    }
    // The first layer's row of the printout, its figures in columns 7, 20,
    // 37, 55 and 80: on paper every character, a blank too, is as wide.
    EXPECT_NE(text.find("1            30               5                 1,8                      1\n"),
              std::string::npos);
}

// Wine writes the job the printer makes, PostScript, into the file: it lands
// whole over the old one, and a folder that is not there gives a reason;
// either way nothing else is left.
TEST(PrintedFile, LandsWholeAtThePathOrGivesAReasonAndLeavesNothingElse)
{
    const std::filesystem::path folder =
        WideText("Z:" PALI_PRINTED_FILES_DIR "-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / L"relazione è.pdf";
    std::ofstream(path) << "la relazione di ieri";

    EXPECT_EQ(PrintToPdfFile(kQueue, CaseReport(), Utf8Text(path.wstring())), std::nullopt);
    const std::string bytes = FileBytes(path);
    EXPECT_TRUE(bytes.starts_with("%!PS") && bytes.ends_with("%%EOF\n")) << bytes.substr(0, 40);
    EXPECT_NE(
        PrintToPdfFile(kQueue, CaseReport(), Utf8Text((folder / L"manca" / L"relazione.pdf").wstring())).value_or(""),
        "");

    EXPECT_EQ(std::vector<std::filesystem::path>(std::filesystem::directory_iterator(folder), {}),
              std::vector<std::filesystem::path>{path});
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pali
