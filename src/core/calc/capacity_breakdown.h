// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/design_combinations.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"
#include "core/state/run_time_error.h"

namespace pali {

// CALCOLA PORTANZA under one combination, run on copies of the window, with
// every figure it goes through kept for a reader to follow by hand: the
// loads and their factors, the point's product, each layer's term of the
// shaft's sum, and the read-outs exactly as the window shows them.
struct ShaftLayerFigures {
    std::int32_t row = 0;
    double angle = 0.0;          // phi, degrees
    double lateral = 0.0;        // K
    double unitWeight = 0.0;     // gamma, t/m3
    double thickness = 0.0;      // m
    double designTangent = 0.0;  // tan phi / gamma phi'
    double term = 0.0;           // 1/2 K gamma L tan phi / gamma phi'
};

struct CapacityBreakdown {
    std::size_t option = 0;
    const DesignCombination* combination = nullptr;
    std::optional<RunTimeError> error;  // the calculation stops: no figures

    // Ed: the three loads as read, each by its factor.
    double permanent = 0.0;
    double nonStructural = 0.0;
    double variable = 0.0;
    std::string totalLoad;     // CARTOT as shown, t
    std::string factoredLoad;  // CARMAG as shown, t

    // The point: the tip layer's gamma over the pile's length, times Nq.
    std::int32_t tipLayer = 0;
    double tipUnitWeight = 0.0;  // t/m3
    double pointLength = 0.0;    // m, B as the point reads it
    double nq = 0.0;
    double diameterCm = 0.0;
    double diameterSquared = 0.0;  // m2
    double point = 0.0;            // t

    // The shaft: the layers' sum times the lateral area.
    std::vector<ShaftLayerFigures> layers;
    double sum = 0.0;
    double shaftLength = 0.0;  // m, B as the shaft reads it
    double shaft = 0.0;        // t

    double total = 0.0;  // t, before the display's rounding
    double groupFactor = 0.0;

    // The read-outs as the window shows them.
    std::string pointShown;  // M3
    std::string shaftShown;  // M4
    std::string totalShown;  // K3
    std::string groupShown;  // M8
};

CapacityBreakdown BreakDownCapacity(const FormContents& form, const ProjectState& state, std::size_t option,
                                    const NumberFormat& format);

}  // namespace pali
