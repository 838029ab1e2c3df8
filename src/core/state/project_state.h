// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

#include "core/state/layer_column.h"
#include "core/state/value_cell.h"

namespace pali {

// Everything the window's handlers share besides the text boxes. A plain
// value: the window keeps one for the whole run, and a click that fails
// leaves it exactly as it was.
struct ProjectState {
    // The layer table, one row per soil layer counted down from ground level.
    LayerColumn<ValueCell> ANG;     // friction angle, degrees
    LayerColumn<ValueCell> LUNG;    // thickness, m
    LayerColumn<ValueCell> PESO;    // unit weight, t/m3
    LayerColumn<ValueCell> ANGRAD;  // friction angle, radians
    LayerColumn<ValueCell> KLAT;    // lateral pressure coefficient K
    LayerColumn<double> TGANG;      // design tangent of the friction angle

    ValueCell QPUNTA;          // point capacity, t
    ValueCell QLAT;            // shaft sum, then shaft capacity, t
    double COEFGR = 0.0;       // group reduction factor
    ValueCell NSTRATO;         // layer cursor: the row on display
    ValueCell JSTRATO;         // row counter of the capacity loops
    std::int16_t KSTRATO = 0;  // row counter of the report's layer loop

    bool operator==(const ProjectState&) const = default;
};

}  // namespace pali
