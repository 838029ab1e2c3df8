#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pali {

// The 21 text boxes of the window. Every input and every result lives in one
// of them as text; the handlers address them by these names.
enum class Box : std::size_t {
    A, B, C, I, E, F, G, D, H, Z9, K1, M5, CP, CPNS, CV,
    CARTOT, CARMAG, M3, M4, K3, M8,
};

inline constexpr std::size_t kBoxCount = 21;

inline constexpr std::array<Box, kBoxCount> kAllBoxes = {
    Box::A, Box::B, Box::C, Box::I, Box::E, Box::F, Box::G, Box::D, Box::H, Box::Z9, Box::K1,
    Box::M5, Box::CP, Box::CPNS, Box::CV, Box::CARTOT, Box::CARMAG, Box::M3, Box::M4, Box::K3,
    Box::M8,
};

std::string_view BoxName(Box box);

}  // namespace pali
