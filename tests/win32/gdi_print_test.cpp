// SPDX-License-Identifier: MIT

#include "win32/report_delivery.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/report/worked_example.h"
#include "printed_pdf.h"
#include "win32/gdi_report_page.h"

namespace pali {
namespace {

// A printout's lines read as the printed text is.
using pali::ReadableLines;

std::vector<std::string> ReadableLines(const std::vector<PrintedLine>& lines)
{
    std::string text;
    for (const PrintedLine& line : lines) {
        text += line.text + "\n";
    }
    return ReadableLines(text);
}

// The continuation lines of a long value hold digits only: joined back to the
// line they continue, they give the line as composed.
std::vector<std::string> JoinedLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> joined;
    for (const std::string& line : lines) {
        const bool digitsOnly = line.find_first_not_of("0123456789") == std::string::npos;
        if (!joined.empty() && digitsOnly) {
            joined.back() += line;
        } else {
            joined.push_back(line);
        }
    }
    return joined;
}

// What reached paper: the report delivered to the default printer, a cups-pdf
// queue, and its PDF read back.
std::vector<std::string> PrintedText(const std::vector<PrintedLine>& lines)
{
    DeliverReport(lines, nullptr);
    return ReadableLines(PrintedPdfText());
}

class GdiReport : public testing::Test {
protected:
    void SetUp() override
    {
        DWORD size = 0;
        GetDefaultPrinterW(nullptr, &size);
        ASSERT_GT(size, 0U) << "no default printer: run under tests/support/with-cups-pdf-queue";
    }
};

TEST_F(GdiReport, WorkedExampleReadsBackLineForLine)
{
    EXPECT_EQ(PrintedText(WorkedExampleReport()), ReadableLines(WorkedExampleReport()));
}

TEST_F(GdiReport, LongDiameterContinuesAndEveryOtherLineReadsAsUsual)
{
    std::vector<std::string> expected = ReadableLines(WorkedExampleReport());
    for (std::string& line : expected) {
        if (line == "DIAMETRO DEL PALO (cm)=60") {
            line = "DIAMETRO DEL PALO (cm)=" + LongDiameter();
        }
    }
    EXPECT_EQ(JoinedLines(PrintedText(WorkedExampleReportWithDiameter(LongDiameter()))), expected);
}

TEST(GdiReportPage, DeviceThatIsNoPrinterRefusesTheDocument)
{
    const HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(PrintReportOn(memory, WorkedExampleReport()));
    DeleteDC(memory);
}

}  // namespace
}  // namespace pali
