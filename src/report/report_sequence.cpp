#include "report/report_sequence.h"

#include "report/layer_rows.h"
#include "report/overloaded.h"
#include "report/report_steps.h"

namespace pali {
namespace {

PrintItems TextItems(const TextStep& step, const FormContents& form)
{
    PrintItems items{Literal{step.literal}};
    if (!step.box) {
        return items;
    }
    const std::string& text = form[*step.box];
    if (step.pattern.empty()) {
        items.emplace_back(BoxText{text});
    } else {
        items.emplace_back(Picture{text, step.pattern});
    }
    return items;
}

void PrintCombination(const FormContents& form, ReportPrinter& printer)
{
    const auto option = static_cast<std::size_t>(form.selectedCombination);
    if (option < kCombinationLines.size()) {
        printer.PrintLine({Literal{std::string(kCombinationLines[option])}});
    }
}

}  // namespace

void ComposeReport(const FormContents& form, ProjectState& state, ReportPrinter& printer,
                   const NumberFormat& format)
{
    for (const ReportStep& step : ReportSteps()) {
        std::visit(Overloaded{
                       [&](const FontSizeStep& size) { printer.SetFontSize(size.points); },
                       [&](const TextStep& text) { printer.PrintLine(TextItems(text, form)); },
                       [&](const BlankLinesStep& blank) {
                           for (int line = 0; line < blank.count; ++line) {
                               printer.PrintLine({});
                           }
                       },
                       [&](const LayerRowsStep&) { PrintLayerRows(form, state, printer, format); },
                       [&](const CombinationStep&) { PrintCombination(form, printer); },
                       [&](const EndStep&) { printer.EndDocument(); },
                   },
                   step);
    }
}

}  // namespace pali
