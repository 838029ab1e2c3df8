// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

namespace pali {

// A word of a printed page and where its box starts, in points from the
// page's top left corner.
struct PrintedWord {
    std::string text;
    double left = 0.0;
    double top = 0.0;
};

// The job just printed on the queue of with-cups-pdf-queue as pdftotext reads
// its PDF: its text laid out as on paper, each mark as it was typed, and its
// words one by one.
struct PrintedPdf {
    std::string text;
    std::vector<PrintedWord> words;
};
PrintedPdf ReadPrintedPdf();

// Lines as a reader sees them: runs of blanks count as one, blank lines not at all.
std::vector<std::string> ReadableLines(const std::string& text);

}  // namespace pali
