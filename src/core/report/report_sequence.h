// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include "core/report/report_printer.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// STAMPA (Command4): the report of pile data, layers, Nq, loads, results and
// design combination, from the boxes as they stand and the layer table. Writes
// only KSTRATO. A RunTimeError stops it where it arises, before EndDocument.
// The lines of the design check, when there are any, follow the combination's.
void ComposeReport(const FormContents& form, ProjectState& state, ReportPrinter& printer, const NumberFormat& format,
                   const std::vector<PrintItems>& checkLines = {});

}  // namespace pali
