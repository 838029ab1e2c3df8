// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string_view>

#include "core/state/number_format.h"

namespace pali {

// Whether the capacity shown, divided by a correlation factor of two
// decimals, reaches the action shown: Rd = capacity / xi >= Ed, decided on the
// decimals as the read-outs write them, exactly, as the engineer decides it
// by hand. Cross-multiplied, capacity x 100 >= Ed x (100 xi), with no
// rounding anywhere, so that Rd = Ed is verified. None when a text has no
// figure that can be written out.
std::optional<bool> ReachesExactly(std::string_view capacity, int factorHundredths, std::string_view action,
                                   const NumberFormat& format);

}  // namespace pali
