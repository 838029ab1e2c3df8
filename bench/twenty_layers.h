#pragma once

#include "state/form_contents.h"
#include "state/project_state.h"

namespace pali::bench {

// A 60 cm pile through a full table of 20 layers, typed under a decimal comma.
inline void EnterTwentyLayers(FormContents& form, ProjectState& state)
{
    form[Box::A] = "60";
    form[Box::B] = "24,5";
    form[Box::C] = "20";
    form[Box::K1] = "25";
    form[Box::CP] = "50";
    form[Box::CPNS] = "10,5";
    form[Box::CV] = "20";
    form[Box::M5] = "4";
    for (std::int32_t row = 1; row <= 20; ++row) {
        state.ANG[row] = 28.0 + 0.5 * row;
        state.LUNG[row] = 1.25;
        state.PESO[row] = 1.8 + 0.01 * row;
        state.KLAT[row] = 1.0;
    }
}

}  // namespace pali::bench
