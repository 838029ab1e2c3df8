// SPDX-License-Identifier: MIT

#include "core/report/report_sequence.h"

#include "core/report/report_steps.h"
#include "core/state/run_time_error.h"

namespace pali {
namespace {

PrintItems TextItems(const TextStep& step, const FormContents& form)
{
    PrintItems items{print::Literal{step.literal}};
    if (!step.box) {
        return items;
    }
    const std::string& text = form[*step.box];
    if (step.pattern.empty()) {
        items.emplace_back(print::BoxText{text});
    } else {
        items.emplace_back(print::Picture{text, step.pattern});
    }
    return items;
}

// The layer number and the four entered values, under their headings.
PrintItems LayerRowItems(const ProjectState& state, std::int16_t row)
{
    return {
        print::Column{7},  print::Number{row},           print::Column{20}, print::Cell{state.ANG[row]},
        print::Column{37}, print::Cell{state.LUNG[row]}, print::Column{55}, print::Cell{state.PESO[row]},
        print::Column{80}, print::Cell{state.KLAT[row]},
    };
}

// One line per layer, rows 1 to the count in C, counted in KSTRATO. A count
// beyond the table fails at the first missing row; both failures name C.
void PrintLayerRows(const FormContents& form, ProjectState& state, ReportPrinter& printer, const NumberFormat& format)
{
    const std::int16_t count = LocaleIntegerOf(form, Box::C, format);
    Blaming(Box::C, [&] {
        for (state.KSTRATO = 1; state.KSTRATO <= count; ++state.KSTRATO) {
            printer.PrintLine(LayerRowItems(state, state.KSTRATO));
        }
    });
}

void PrintCombination(const FormContents& form, ReportPrinter& printer)
{
    const auto option = static_cast<std::size_t>(form.selectedCombination);
    if (option < kCombinationLines.size()) {
        printer.PrintLine({print::Literal{std::string(kCombinationLines[option])}});
    }
}

}  // namespace

void ComposeReport(const FormContents& form, ProjectState& state, ReportPrinter& printer, const NumberFormat& format,
                   const std::vector<PrintItems>& checkLines)
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
                       [&](const CombinationStep&) {
                           PrintCombination(form, printer);
                           for (const PrintItems& line : checkLines) {
                               printer.PrintLine(line);
                           }
                       },
                       [&](const EndStep&) { printer.EndDocument(); },
                   },
                   step);
    }
}

}  // namespace pali
