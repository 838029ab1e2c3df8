// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/calc/capacity_breakdown.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// The capacity made another way, as a reader checks a program's figures by
// hand: the point with the effective overburden at the tip, the sum of
// gamma_i L_i of the layers, in place of the tip layer's gamma over the whole
// length; the shaft layer by layer with the overburden at each layer's
// mid-depth (the layers above it and half of its own) over its own lateral
// area pi D L_i, in place of each layer's own half thickness over the whole
// pile's area. The same Nq, K, tan phi and partial factors as the program's.
struct SimpleShaftLayer {
    std::int32_t row = 0;
    double midDepthStress = 0.0;  // sigma'v at mid-depth, t/m2
    double lateral = 0.0;         // K
    double designTangent = 0.0;   // tan phi / gamma phi', as the program's
    double thickness = 0.0;       // m
    double shaft = 0.0;           // t
};

// How a program's figure stands against the simple one: within a fifth
// either way is consistent; beyond, above it (the unsafe side of the simple
// figure) or below it (the safe side).
enum class Agreement { Consistent, ProgramAbove, ProgramBelow, NotComparable };

inline constexpr int kConsistentHundredthsLow = 80;
inline constexpr int kConsistentHundredthsHigh = 120;

struct FigureComparison {
    std::optional<double> ratio;  // the program's over the simple one
    Agreement agreement = Agreement::NotComparable;
};

struct SimpleCalculation {
    double tipStress = 0.0;  // sum of gamma_i L_i, t/m2
    double point = 0.0;      // t
    std::vector<SimpleShaftLayer> layers;
    double shaft = 0.0;  // t
    FigureComparison pointComparison;
    FigureComparison shaftComparison;
};

// From the figures of a calculation that completed. Raises, as the
// calculation does, where a product goes beyond the reals (a length of
// 1e-320 under an Nq of 1e308).
SimpleCalculation CalculateSimply(const CapacityBreakdown& program, const ProjectState& state);

// The ratio judged on its two decimals, as the report writes it.
FigureComparison Compare(double program, double simple);

}  // namespace pali
