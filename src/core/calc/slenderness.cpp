// SPDX-License-Identifier: MIT

#include "core/calc/slenderness.h"

#include "core/state/checked_real.h"
#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace pali {

void ComputeSlenderness(FormContents& form, const ProjectState& state, const NumberFormat& format)
{
    const double lengthM = LocaleRealOf(form, Box::B, format);
    const double lengthCm = Blaming(Box::B, [&] { return CheckedMultiply(lengthM, 100.0); });
    const double diameterCm = LocaleRealOf(form, Box::A, format);
    const double slenderness = BlamingHeaviest({Typed(Box::B, lengthCm), TypedDivisor(Box::A, diameterCm)},
                                               [&] { return CheckedDivide(lengthCm, diameterCm); });
    form[Box::H] = RealText(slenderness, format);

    // The pile tip is taken to lie in the last layer.
    const std::int32_t tipRow = LocaleLongOf(form, Box::C, format);
    const ValueCell& tipAngle = Blaming(Box::C, [&]() -> const ValueCell& { return state.ANG[tipRow]; });
    form[Box::Z9] = CellText(tipAngle, format);
}

}  // namespace pali
