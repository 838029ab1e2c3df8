// SPDX-License-Identifier: MIT

#pragma once

#include "core/state/form_contents.h"
#include "core/state/project_state.h"

namespace pali::fixtures {

struct Layer {
    double angle;
    double thickness;
    double unitWeight;
    double lateralCoefficient;
};

inline void StoreLayerRow(ProjectState& state, std::int32_t row, const Layer& layer)
{
    state.ANG[row] = layer.angle;
    state.LUNG[row] = layer.thickness;
    state.PESO[row] = layer.unitWeight;
    state.KLAT[row] = layer.lateralCoefficient;
}

// A 60 cm pile 12 m long in two layers, Nq 30, two piles, loads 50 + 10 + 20 t.
inline void EnterWorkedExample(FormContents& form, ProjectState& state, int combination)
{
    form[Box::A] = "60";
    form[Box::B] = "12";
    form[Box::C] = "2";
    form[Box::K1] = "30";
    form[Box::CP] = "50";
    form[Box::CPNS] = "10";
    form[Box::CV] = "20";
    form[Box::M5] = "2";
    form.selectedCombination = combination;
    StoreLayerRow(state, 1, {30.0, 5.0, 1.8, 1.0});
    StoreLayerRow(state, 2, {34.0, 7.0, 1.9, 0.8});
}

}  // namespace pali::fixtures
