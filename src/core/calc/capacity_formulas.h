// SPDX-License-Identifier: MIT

#pragma once

#include "core/calc/design_combinations.h"
#include "core/state/value_cell.h"

namespace pali {

// The pieces of Berezantzev's formulas as CALCOLA PORTANZA computes them,
// each grouped as the program groups it: the calculation itself, the curve
// of lengths and the calculation report's figures all go through these, so
// that a figure written out is the figure the window shows.

// Pi is 3.14 throughout: cross-section, lateral area, degrees to radians.
inline constexpr double kPi = 3.14;

ValueCell Radians(const ValueCell& degrees);

// tan phi divided by the combination's factor on it (M1 or M2).
double DesignTangent(const ValueCell& radians, const DesignCombination& combination);

// One layer's term of the shaft's sum: 1/2 K gamma L tan phi.
ValueCell LayerFriction(const ValueCell& lateral, const ValueCell& weight, const ValueCell& thickness, double tangent);

// The diameter typed in centimetres, in metres, squared.
double DiameterSquared(double diameterCm);

// Ap * (gamma * L * Nq): pi times the diameter squared over the point's
// divisor, which holds the quarter and the factor on the base.
ValueCell PointFromProduct(const ValueCell& weightLengthNq, double diameterSquared,
                           const DesignCombination& combination);

// Al * sum: pi D in centimetres times the length, over the shaft's divisor,
// which holds the hundred from centimetres and the factor on the shaft.
ValueCell ShaftFromSum(const ValueCell& sum, double diameterCm, double lengthM, const DesignCombination& combination);

}  // namespace pali
