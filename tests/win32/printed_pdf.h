// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

namespace pali {

// The text of the job just printed on the queue of with-cups-pdf-queue, as
// pdftotext -layout reads its PDF, each mark as it was typed.
std::string PrintedPdfText();

// Lines as a reader sees them: runs of blanks count as one, blank lines not at all.
std::vector<std::string> ReadableLines(const std::string& text);

}  // namespace pali
