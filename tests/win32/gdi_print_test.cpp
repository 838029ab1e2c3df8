// SPDX-License-Identifier: MIT

#include "win32/report_delivery.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/report/worked_example.h"
#include "win32/gdi_report_page.h"
#include "win32/wide_text.h"

namespace pali {
namespace {

// Starts a program of the machine, such as a Unix script, which Wine runs as
// any other program but cannot wait for.
void Start(std::wstring commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        throw std::runtime_error("cannot start " + Utf8Text(commandLine));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The text of a file that another program writes whole, once it is there.
std::string AwaitedText(const std::string& path)
{
    for (int tries = 0; tries < 600; ++tries) {
        std::ifstream file(path, std::ios::binary);
        if (file) {
            return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        }
        Sleep(100);
    }
    throw std::runtime_error("no PDF from the print queue");
}

// Lines as a reader sees them: runs of blanks count as one, blank lines not at all.
std::vector<std::string> ReadableLines(const std::string& text)
{
    std::vector<std::string> readable;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string simplified;
        for (std::string word; words >> word;) {
            simplified += (simplified.empty() ? "" : " ") + word;
        }
        if (!simplified.empty()) {
            readable.push_back(simplified);
        }
    }
    return readable;
}

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

// The face draws a few characters with one glyph, and the PDF of Wine's
// printing through CUPS names such a glyph by the other character: a reader
// takes the hyphen for a soft hyphen and the semicolon for the Greek question
// mark. On paper they are the same marks.
std::string AsTyped(std::string text)
{
    constexpr std::pair<std::string_view, std::string_view> kSameGlyph[] = {
        {"\u00AD", "-"},
        {"\u037E", ";"},
    };
    for (const auto& [read, typed] : kSameGlyph) {
        for (std::size_t at = text.find(read); at != std::string::npos; at = text.find(read, at)) {
            text.replace(at, read.size(), typed);
        }
    }
    return text;
}

// What reached paper: the report delivered to the default printer, a cups-pdf
// queue, and its PDF read back.
std::vector<std::string> PrintedText(const std::vector<PrintedLine>& lines)
{
    DeliverReport(lines, nullptr);
    const std::string textFile = std::string(PRINTED_TEXT_FILE) + "-" + std::to_string(GetCurrentProcessId());
    Start(WideText("/bin/bash " READ_PRINTED_PDF " " + textFile));
    const std::string text = AwaitedText("Z:" + textFile);
    std::remove(("Z:" + textFile).c_str());
    return ReadableLines(AsTyped(text));
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
