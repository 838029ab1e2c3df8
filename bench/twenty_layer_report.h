// SPDX-License-Identifier: MIT

#pragma once

#include "app/calculation_report/report_export.h"
#include "core/calc/bearing_capacity.h"
#include "twenty_layers.h"

namespace pali::bench {

// The calculation report of the 20-layer project as the engineer exports it:
// computed under the selected combination, with three verticals and the
// project's data typed, so that every section carries its figures.
inline doc::Document TwentyLayerReport()
{
    const NumberFormat format = NumberFormat::Comma();
    Project project;
    EnterTwentyLayers(project.form, project.state);
    ComputeBearingCapacity(project.form, project.state, format);
    project.verticals = "3";
    project.data = {"Viadotto sul torrente", "Provincia", "Località Piana", "Ing. Rossi", "10/12/2026"};
    return doc::ReportOf(doc::ReportInputsOf(project, "/progetti/venti strati.pali", format));
}

}  // namespace pali::bench
