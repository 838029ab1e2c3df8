// SPDX-License-Identifier: MIT

#pragma once

#include "app/calculation_report/document.h"
#include "app/calculation_report/report_inputs.h"
#include "app/drawing.h"

namespace pali::doc {

// The calculation report an engineer files with the design, in Italian: the
// cover, the work and its foundation, the regulations, units and
// conventions, the design parameters, the method, the combinations, the
// calculation written out with its numbers under each combination, the
// checks with the soil profile and the chart of Rd against the length, the
// calculation code, the reasoned judgement of the results, and the
// program's printout as an annex. Every section is there whatever the
// window holds; where a figure is missing, the section says what is missing.
// Texts in the figures are measured by the surface the document goes to.
Document CalculationReport(const ReportInputs& inputs, const draw::TextMeasure& measure);

}  // namespace pali::doc
