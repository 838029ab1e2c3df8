// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pali {

// The 21 text boxes of the window. Every input and every result lives in one
// of them as text; the handlers address them by these names.
// clang-format off
enum class Box : std::size_t {
    A, B, C, I, E, F, G, D, H, Z9, K1, M5, CP, CPNS, CV,
    CARTOT, CARMAG, M3, M4, K3, M8,
};
// clang-format on

// The name of each box as the window and the messages spell it, in the order
// of the enumeration. The window's control table is checked against it when
// the program is compiled.
// clang-format off
inline constexpr std::array<std::string_view, 21> kBoxNames = {
    "A", "B", "C", "I", "E", "F", "G", "D", "H", "Z9", "K1",
    "M5", "CP", "CPNS", "CV", "CARTOT", "CARMAG", "M3", "M4", "K3", "M8",
};
// clang-format on

inline constexpr std::size_t kBoxCount = kBoxNames.size();
static_assert(static_cast<std::size_t>(Box::M8) + 1 == kBoxCount, "one name for each box");

inline constexpr std::array<Box, kBoxCount> kAllBoxes = [] {
    std::array<Box, kBoxCount> boxes{};
    for (std::size_t index = 0; index < kBoxCount; ++index) {
        boxes[index] = static_cast<Box>(index);
    }
    return boxes;
}();

constexpr std::string_view BoxName(Box box)
{
    return kBoxNames[static_cast<std::size_t>(box)];
}

}  // namespace pali
