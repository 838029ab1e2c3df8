#include "report/recording_printer.h"

#include <utility>

#include "report/line_layout.h"

namespace pali {

RecordingPrinter::RecordingPrinter(NumberFormat format) : format_(std::move(format)) {}

void RecordingPrinter::SetFontSize(float points)
{
    fontSize_ = points;
}

void RecordingPrinter::PrintLine(const PrintItems& items)
{
    for (std::string& text : LayOutLine(items, format_)) {
        lines_.push_back({fontSize_, std::move(text)});
    }
}

void RecordingPrinter::EndDocument()
{
    documentEnded_ = true;
}

}  // namespace pali
