#pragma once

#include "report/report_printer.h"
#include "state/form_contents.h"
#include "state/number_format.h"
#include "state/project_state.h"

namespace pali {

// One line per layer, rows 1 to the count in C, counted in KSTRATO: the layer
// number and the four entered values under their headings. A count beyond the
// table fails at the first missing row; both failures name C.
void PrintLayerRows(const FormContents& form, ProjectState& state, ReportPrinter& printer,
                    const NumberFormat& format);

}  // namespace pali
