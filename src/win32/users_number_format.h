// SPDX-License-Identifier: MIT

#pragma once

#include "core/state/number_format.h"

namespace pali {

// The user's decimal separator as Windows has it now: the engineer may change
// it in the settings while the program runs.
NumberFormat UsersNumberFormat();

}  // namespace pali
