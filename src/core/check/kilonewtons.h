// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/state/number_format.h"

namespace pali {

// One tonne-force is 9.80665 kN by definition (standard gravity), and a unit
// weight of one t/m3 is 9.80665 kN/m3 likewise.
inline constexpr std::string_view kKilonewtonsPerTonne = "9.80665";

// A figure in tonnes as the window or the report writes it, in kilonewtons:
// its decimals multiplied by 9.80665 exactly, digit by digit, then rounded
// to two decimals, a half away from zero (so 100 t is 980,67 kN), the way
// the engineer rounds the same product by hand or with a spreadsheet's
// ROUND. None when the text holds no figure.
std::optional<std::string> TonnesToKilonewtons(std::string_view tonnes, const NumberFormat& format);

}  // namespace pali
