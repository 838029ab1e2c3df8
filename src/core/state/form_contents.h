// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/state/box.h"
#include "core/state/number_format.h"

namespace pali {

// What the handlers see of the window: the texts of the 21 boxes and the
// selected option of the design combination group. Plain data, so a handler
// runs without a window and a failed click can be thrown away whole.
struct FormContents {
    std::array<std::string, kBoxCount> texts{};
    int selectedCombination = 0;

    std::string& operator[](Box box) { return texts[static_cast<std::size_t>(box)]; }
    const std::string& operator[](Box box) const { return texts[static_cast<std::size_t>(box)]; }

    bool operator==(const FormContents&) const = default;
};

// Readings of a box's text; a failure names the box.
double LeadingNumberOf(const FormContents& form, Box box, const NumberFormat& format);
double LocaleRealOf(const FormContents& form, Box box, const NumberFormat& format);
std::int32_t LocaleLongOf(const FormContents& form, Box box, const NumberFormat& format);
std::int16_t LocaleIntegerOf(const FormContents& form, Box box, const NumberFormat& format);

}  // namespace pali
