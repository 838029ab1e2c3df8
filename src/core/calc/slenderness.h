// SPDX-License-Identifier: MIT

#pragma once

#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// CALCOLA L/D (Command2): the slenderness 100 L / D into H and the friction
// angle of the tip layer (row C) into Z9.
void ComputeSlenderness(FormContents& form, const ProjectState& state, const NumberFormat& format);

}  // namespace pali
