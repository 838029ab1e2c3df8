// SPDX-License-Identifier: MIT

#include "printed_pdf.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <utility>

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

}  // namespace

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

namespace {

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

}  // namespace

std::string PrintedPdfText()
{
    const std::string textFile = std::string(PRINTED_TEXT_FILE) + "-" + std::to_string(GetCurrentProcessId());
    Start(WideText("/bin/bash " READ_PRINTED_PDF " " + textFile));
    const std::string text = AwaitedText("Z:" + textFile);
    std::remove(("Z:" + textFile).c_str());
    return AsTyped(text);
}

}  // namespace pali
