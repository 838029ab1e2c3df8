// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/check/correlation_factors.h"
#include "core/check/design_check.h"
#include "core/check/nq_table.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// The lengths a pile may take in the window's soil profile, a tenth of a
// metre apart, at most this many.
inline constexpr std::int32_t kCurveStepsPerMetre = 10;
inline constexpr std::int32_t kLongestCurveSteps = 2000;  // 200 m

// The pile at one length of the profile, as the engineer would check it by
// typing that length into B, the layer of its tip into C, the tip layer's
// shortened thickness, and the table's Nq into K1.
struct CurvePoint {
    double length = 0.0;  // m
    std::int32_t tipLayer = 0;
    NqReading nq;  // none: no value at this length
    std::array<CombinationCheck, 3> combinations{};

    bool HasValue() const { return nq.value.has_value(); }
};

// The least length that is verified and stays verified at every longer
// length that has a value; or, when none is, the best the profile reaches.
struct ShortestLength {
    std::optional<double> length;
    std::optional<double> bestRatio;  // the greatest Rd/Ed reached
    std::optional<double> bestAt;     // and where
};

// The design resistance at every length of the profile, under the three
// combinations, with the shortest length verified under NTC 2018 (A1+M1+R3)
// and under NTC 2008 Approach 1 (A1+M1+R1 and A2+M2+R2 together).
struct LengthCurve {
    std::optional<double> profileDepth;  // the thicknesses summed; none when C names no rows 1..20
    bool cut = false;                    // the profile goes deeper than the longest curve
    std::vector<CurvePoint> points;
    ShortestLength shortestNtc2018;
    ShortestLength shortestNtc2008;
};

// Never raises, whatever the window holds.
LengthCurve CurveOfLengths(const FormContents& form, const ProjectState& state, std::string_view verticals,
                           const NumberFormat& format);

}  // namespace pali
