// SPDX-License-Identifier: MIT

#include "win32/report_printing.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
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

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The report of a validation case solved by hand: cover, tables, formulas,
// figures and the annex's printout.
const doc::Document& CaseReport()
{
    static const doc::Document report = doc::ReportOf(
        doc::ReportInputsOf(ReadProjectFile(FileBytes("Z:" PALI_CASE_PROJECT)), "caso8.pali", NumberFormat::Comma()));
    return report;
}

std::wstring DefaultPrinterName()
{
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    std::wstring name(size, L'\0');
    if (size == 0 || !GetDefaultPrinterW(name.data(), &size)) {
        return {};
    }
    name.resize(size - 1);
    return name;
}

std::vector<std::string> WordList(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream split(text);
    for (std::string word; split >> word;) {
        words.push_back(word);
    }
    return words;
}

// The words of a text, one blank between each.
std::string Words(const std::string& text)
{
    std::string joined;
    for (const std::string& word : WordList(text)) {
        joined += (joined.empty() ? "" : " ") + word;
    }
    return joined;
}

// Every heading and every figure's caption the report reads as.
std::vector<std::string> HeadingsAndCaptions(const doc::Document& document)
{
    std::vector<std::string> texts;
    for (const doc::Block& block : document.blocks) {
        if (const auto* heading = std::get_if<doc::Heading>(&block)) {
            texts.push_back(heading->text);
        } else if (const auto* figure = std::get_if<doc::Figure>(&block)) {
            texts.push_back(figure->caption);
        }
    }
    return texts;
}

// Where each word of a line starts, from its first.
std::vector<std::size_t> WordColumns(const std::string& line)
{
    std::vector<std::size_t> columns;
    const std::size_t first = line.find_first_not_of(' ');
    for (std::size_t at = first; at != std::string::npos; at = line.find_first_not_of(' ', line.find(' ', at))) {
        columns.push_back(at - first);
    }
    return columns;
}

// The annex's first row of a layer's figures, its columns apart.
std::string LayerRow(const doc::Document& document)
{
    for (const doc::Block& block : document.blocks) {
        const auto* paragraph = std::get_if<doc::Paragraph>(&block);
        if (paragraph != nullptr && paragraph->kind == doc::ParagraphKind::Listing && paragraph->runs.size() == 1) {
            const std::string& line = paragraph->runs.front().text;
            if (WordColumns(line).size() > 3 && line.find_first_not_of(" 0123456789,.") == std::string::npos) {
                return line;
            }
        }
    }
    return {};
}

// Where the words of a line start on paper, when they stand in a row there.
std::vector<double> PrintedLefts(const std::vector<PrintedWord>& printed, const std::vector<std::string>& wanted)
{
    for (std::size_t start = 0; start + wanted.size() <= printed.size(); ++start) {
        std::vector<double> lefts;
        for (std::size_t word = 0; word < wanted.size() && printed[start + word].text == wanted[word] &&
                                   printed[start + word].top == printed[start].top;
             ++word) {
            lefts.push_back(printed[start + word].left);
        }
        if (!wanted.empty() && lefts.size() == wanted.size()) {
            return lefts;
        }
    }
    return {};
}

class CalculationReportPrint : public testing::Test {
protected:
    void SetUp() override
    {
        printer_ = DefaultPrinterName();
        ASSERT_FALSE(printer_.empty()) << "no default printer: run under tests/support/with-cups-pdf-queue";
    }

    std::wstring printer_;
};

TEST_F(CalculationReportPrint, EveryHeadingAndCaptionReachesPaperAndThePrintoutKeepsItsColumns)
{
    const HDC dc = PrinterContext({printer_, {}}, kCalculationReportPage);
    ASSERT_NE(dc, nullptr);
    const bool printed = PrintCalculationReport(dc, CaseReport());
    DeleteDC(dc);
    ASSERT_TRUE(printed);
    const PrintedPdf pdf = ReadPrintedPdf();

    const std::string words = Words(pdf.text);
    for (const std::string& expected : HeadingsAndCaptions(CaseReport())) {
        EXPECT_NE(words.find(Words(expected)), std::string::npos) << expected;
    }

    // A layer's row of the printout: on paper its figures stand as far apart
    // as its characters are, every character as wide as a blank.
    const std::string row = LayerRow(CaseReport());
    const std::vector<std::size_t> columns = WordColumns(row);
    const std::vector<double> lefts = PrintedLefts(pdf.words, WordList(row));
    ASSERT_EQ(lefts.size(), columns.size()) << row;
    const double cell = (lefts.back() - lefts.front()) / static_cast<double>(columns.back());
    for (std::size_t word = 0; word < columns.size(); ++word) {
        EXPECT_NEAR(lefts[word] - lefts.front(), static_cast<double>(columns[word]) * cell, 0.3) << row;
    }
}

// A folder of its own, emptied, for the files one test prints.
class PrintedFiles : public CalculationReportPrint {
protected:
    void SetUp() override
    {
        CalculationReportPrint::SetUp();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::vector<std::string> FilesThere() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            names.push_back(Utf8Text(entry.path().filename().wstring()));
        }
        return names;
    }

    const std::filesystem::path folder_ =
        WideText("Z:" PALI_PRINTED_FILES_DIR "-" + std::to_string(GetCurrentProcessId()));
};

TEST_F(PrintedFiles, TheJobLandsWholeAtThePathAndNothingElseStays)
{
    const std::filesystem::path path = folder_ / L"relazione è.pdf";
    std::ofstream(path) << "an older report";

    EXPECT_EQ(PrintToPdfFile(printer_, CaseReport(), Utf8Text(path.wstring())), std::nullopt);

    EXPECT_EQ(FilesThere(), std::vector<std::string>{"relazione è.pdf"});
    const std::string bytes = FileBytes(path);
    EXPECT_TRUE(bytes.starts_with("%!PS")) << bytes.substr(0, 40);
    EXPECT_TRUE(bytes.ends_with("%%EOF\n")) << bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 40));
}

TEST_F(PrintedFiles, AFolderThatIsNotThereIsSaidAndLeavesNothing)
{
    const std::filesystem::path path = folder_ / L"manca" / L"relazione.pdf";

    const std::optional<std::string> reason = PrintToPdfFile(printer_, CaseReport(), Utf8Text(path.wstring()));

    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_EQ(FilesThere(), std::vector<std::string>{});
}

TEST(PdfPrinter, WineHasNoneAndAQueueOfAnotherNameIsNotTakenForIt)
{
    EXPECT_EQ(InstalledPdfPrinter(), std::nullopt);
}

}  // namespace
}  // namespace pali
