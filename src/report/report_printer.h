#pragma once

#include "report/print_item.h"

namespace pali {

// The printer as the report sees it. The first operation opens the document;
// there is no separate start, and the report asks for nothing else: face,
// page, margins and page breaks are the printer's business.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // Every line printed afterwards uses this size, in points.
    virtual void SetFontSize(float points) = 0;
    // Prints the items from column 1 of a new line, then ends the line.
    virtual void PrintLine(const PrintItems& items) = 0;
    // Ends the document and releases it to the printer.
    virtual void EndDocument() = 0;
};

}  // namespace pali
