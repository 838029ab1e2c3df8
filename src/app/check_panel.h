// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/check/design_check.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// What the panel VERIFICA beside the form shows of the design check, as
// texts, so that every front end shows the same words and figures.
struct CheckPanelTexts {
    std::string factors;                 // xi3 and xi4, or why there are none
    std::string nq;                      // Nq from the table, or why there is none
    std::optional<std::string> nqToUse;  // what USA writes into K1
    struct Row {
        std::string name, ed, rd, ratio, outcome;
    };
    std::array<Row, 3> rows;
    std::string approach1;  // "NTC 2008, Approccio 1: VERIFICATO"
    std::string approach2;
    std::vector<std::string> warnings;
};

CheckPanelTexts PanelTexts(const DesignCheck& check, const NumberFormat& format);

// The soil profile to draw, depths in metres from the ground level: each
// layer 1..n stored in the table, and the pile from the ground to its tip.
struct SoilProfile {
    struct Layer {
        int number;
        double top;
        double bottom;
        std::string label;      // "2  φ 34°  γ 1,9  K 0,8"
        std::string depthText;  // of its base: "12,00 m"
    };
    std::vector<Layer> layers;
    std::optional<double> pileLength;
    std::optional<double> pileDiameter;  // m
    std::string tipText;                 // "punta 12,00 m"
    double depth = 0.0;                  // the deepest of the layers and the tip
};

SoilProfile ProfileOf(const FormContents& form, const ProjectState& state, const NumberFormat& format);

}  // namespace pali
