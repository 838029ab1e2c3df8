// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include <QString>

#include "core/report/recording_printer.h"

class QPrinter;

namespace pali {

// A composed report laid out on a printer's pages by the report's page rule.
// The face is monospaced so that the layer values stand under their
// headings; the page is landscape with 10 mm margins.
class ReportDocument {
public:
    explicit ReportDocument(std::vector<PrintedLine> lines);

    // Prints on the printer as it is set up, turned to landscape with the
    // report's margins. False when the printer refuses the document or a page.
    bool PrintTo(QPrinter& printer) const;
    // The same pages on A4 in a PDF file. False when the file cannot be written.
    bool SaveAsPdf(const QString& path) const;

private:
    bool Paint(QPrinter& printer) const;

    std::vector<PrintedLine> lines_;
};

}  // namespace pali
