// SPDX-License-Identifier: MIT

#include "core/calc/design_combinations.h"

#include "core/state/run_time_error.h"

namespace pali {

const DesignCombination& SelectedCombination(int selectedOption)
{
    if (selectedOption < 0 || static_cast<std::size_t>(selectedOption) >= kDesignCombinations.size()) {
        throw RunTimeError(ErrorKind::SubscriptOutOfRange);
    }
    return kDesignCombinations[static_cast<std::size_t>(selectedOption)];
}

std::optional<double> GroupFactor(double piles)
{
    for (std::size_t index = 0; index < kGroupFactors.size(); ++index) {
        if (piles == static_cast<double>(index + 1)) {
            return kGroupFactors[index];
        }
    }
    return std::nullopt;
}

}  // namespace pali
