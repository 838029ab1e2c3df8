// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/design_combinations.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// CALCOLA PORTANZA (Command3): loads, point, shaft and total capacity of one
// pile under the selected design combination, and the capacity of the group.
void ComputeBearingCapacity(FormContents& form, ProjectState& state, const NumberFormat& format);

// CALCOLA PORTANZA under one combination for piles that differ from the
// window's only in their length B, the layer C of their tip, that layer's
// thickness and Nq: what they share is read and computed once, the rest per
// pile with the same operations in the same order, so that each shows the
// digits ComputeBearingCapacity shows for it typed in. Raises where that
// would, though not always blaming the same box.
class PileOfAnyLength {
public:
    PileOfAnyLength(const FormContents& form, const ProjectState& state, std::int32_t deepestLayer, int combination,
                    const NumberFormat& format);

    const std::string& FactoredLoad() const { return factoredLoad_; }  // CARMAG as shown

    // What changes from pile to pile: the texts of B and K1 read as the
    // calculation reads them, the tip's row and its thickness.
    struct Typed {
        Typed(const std::string& length, std::int32_t tipLayer, double tipThickness, const std::string& nq,
              const NumberFormat& format);
        double leadingLength;
        double length;
        std::int32_t tipLayer;
        double tipThickness;
        double nq;
    };

    // M8 as shown.
    std::string GroupCapacity(const Typed& pile) const;

private:
    const ProjectState& state_;
    const DesignCombination& combination_;
    const NumberFormat& format_;
    std::string factoredLoad_;
    double diameterCm_ = 0.0;
    double diameterSquared_ = 0.0;
    double groupFactor_ = 0.0;
    std::vector<double> tangents_;  // rows 1.. as far as they compute
    std::vector<ValueCell> sums_;   // the shaft's sum down to the base of rows 0..
};

}  // namespace pali
