// SPDX-License-Identifier: MIT

#pragma once

#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// CALCOLA PORTANZA (Command3): loads, point, shaft and total capacity of one
// pile under the selected design combination, and the capacity of the group.
void ComputeBearingCapacity(FormContents& form, ProjectState& state, const NumberFormat& format);

}  // namespace pali
