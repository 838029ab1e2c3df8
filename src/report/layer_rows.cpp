#include "report/layer_rows.h"

#include "state/run_time_error.h"

namespace pali {
namespace {

PrintItems LayerRowItems(const ProjectState& state, std::int16_t row)
{
    return {
        Column{7},  Number{row},
        Column{20}, Cell{state.ANG[row]},
        Column{37}, Cell{state.LUNG[row]},
        Column{55}, Cell{state.PESO[row]},
        Column{80}, Cell{state.KLAT[row]},
    };
}

}  // namespace

void PrintLayerRows(const FormContents& form, ProjectState& state, ReportPrinter& printer,
                    const NumberFormat& format)
{
    const std::int16_t count = LocaleIntegerOf(form, Box::C, format);
    Blaming(Box::C, [&] {
        for (state.KSTRATO = 1; state.KSTRATO <= count; ++state.KSTRATO) {
            printer.PrintLine(LayerRowItems(state, state.KSTRATO));
        }
    });
}

}  // namespace pali
