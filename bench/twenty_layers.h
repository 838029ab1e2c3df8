// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <utility>

#include "core/state/form_contents.h"
#include "core/state/project_state.h"

namespace pali::bench {

// A 60 cm pile through a full table of 20 layers, typed under a decimal comma.
inline void EnterTwentyLayers(FormContents& form, ProjectState& state)
{
    const std::pair<Box, const char*> typed[] = {
        {Box::A, "60"},  {Box::B, "24,5"},    {Box::C, "20"},  {Box::K1, "25"},
        {Box::CP, "50"}, {Box::CPNS, "10,5"}, {Box::CV, "20"}, {Box::M5, "4"},
    };
    for (const auto& [box, text] : typed) {
        form[box] = std::string(text);
    }
    for (std::int32_t row = 1; row <= 20; ++row) {
        state.ANG[row] = 28.0 + 0.5 * row;
        state.LUNG[row] = 1.25;
        state.PESO[row] = 1.8 + 0.01 * row;
        state.KLAT[row] = 1.0;
    }
}

}  // namespace pali::bench
