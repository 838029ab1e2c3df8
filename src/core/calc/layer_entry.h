// SPDX-License-Identifier: MIT

#pragma once

#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// STRATO N (Command6): steps the layer cursor, wrapping after the last layer,
// and shows the stored values of the new cursor row in I, E, F, G and D.
void ShowNextLayer(FormContents& form, ProjectState& state, const NumberFormat& format);

// OK (Command1): stores the leading numbers of E, F, G and D into the cursor row.
void StoreLayer(const FormContents& form, ProjectState& state, const NumberFormat& format);

}  // namespace pali
