#pragma once

#include <vector>

#include <QString>

#include "report/recording_printer.h"

class QPrinter;

namespace pali {

// A composed report laid out on a printer's pages. The face is monospaced so
// that the layer values stand under their headings; the page is landscape
// with 10 mm margins, the face is condensed just as much as the widest line
// needs to fit across the page, and a full page continues on the next one.
class ReportDocument {
public:
    explicit ReportDocument(std::vector<PrintedLine> lines);

    // Prints on the printer as it is set up, turned to landscape with the
    // report's margins. False when the printer refuses the document or a page.
    bool PrintTo(QPrinter& printer) const;
    // The same pages on A4 in a PDF file. False when the file cannot be written.
    bool SaveAsPdf(const QString& path) const;

private:
    // The horizontal stretch, in percent of the face's normal width, at which
    // the widest line fits across the printer's page.
    int FittingStretch(QPrinter& printer) const;
    bool Paint(QPrinter& printer) const;

    std::vector<PrintedLine> lines_;
};

}  // namespace pali
