// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace pali {

// The partial factors of one design combination of the 2008 Italian code.
struct DesignCombination {
    double permanentFactor;      // on CP (set A1 or A2)
    double nonStructuralFactor;  // on CPNS
    double variableFactor;       // on CV
    double tanPhiDivisor;        // on tan phi, shaft only (set M1 or M2)
    double pointDivisor;         // 4 of pi D^2 / 4, times R1, R2 or R3 of the base
    double shaftDivisor;         // 100 from cm to m, times R1, R2 or R3 of the shaft
    std::string_view name;       // the sets of factors, as the code names them
};

// One row per option of Comb1, in the order of the options.
inline constexpr std::array<DesignCombination, 3> kDesignCombinations = {{
    //  CP    CPNS  CV    tan phi  point       shaft         name
    {1.3, 1.5, 1.5, 1.0, 4.0 * 1.0, 100.0 * 1.0, "A1+M1+R1"},    // Approccio 1 Combinazione 1
    {1.0, 1.3, 1.3, 1.25, 4.0 * 1.7, 100.0 * 1.45, "A2+M2+R2"},  // Approccio 1 Combinazione 2
    // 100 x 1.15 in double arithmetic is one unit in the last place below
    // 115, and the results carry that last bit.
    {1.3, 1.5, 1.5, 1.0, 4.0 * 1.35, 100.0 * 1.15, "A1+M1+R3"},  // Approccio 2
}};

// Reduction of the capacity of one pile in a group of 1 to 6 piles.
inline constexpr std::array<double, 6> kGroupFactors = {1.0, 0.94, 0.87, 0.84, 0.82, 0.80};

const DesignCombination& SelectedCombination(int selectedOption);

// The group factor for a number of piles, or nothing for a number that is
// not a whole 1 to 6.
std::optional<double> GroupFactor(double piles);

}  // namespace pali
