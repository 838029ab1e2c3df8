#pragma once

#include <vector>

#include "report/printed_line.h"
#include "report/report_printer.h"
#include "state/number_format.h"

namespace pali {

// A printer that keeps the report as text lines tagged with their font size.
// The report is composed here in full before anything reaches paper, so a
// failure partway through never leaves half a document in the printer.
class RecordingPrinter : public ReportPrinter {
public:
    explicit RecordingPrinter(NumberFormat format);

    void SetFontSize(float points) override;
    void PrintLine(const PrintItems& items) override;
    void EndDocument() override;

    const std::vector<PrintedLine>& lines() const { return lines_; }
    bool documentEnded() const { return documentEnded_; }

private:
    static constexpr float kPrinterDefaultSize = 12.0F;

    NumberFormat format_;
    float fontSize_ = kPrinterDefaultSize;
    std::vector<PrintedLine> lines_;
    bool documentEnded_ = false;
};

}  // namespace pali
