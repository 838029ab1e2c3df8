#include "calc/slenderness.h"

#include "state/checked_real.h"
#include "state/conversions.h"
#include "state/run_time_error.h"

namespace pali {

void ComputeSlenderness(FormContents& form, const ProjectState& state, const NumberFormat& format)
{
    const double lengthCm = CheckedMultiply(LocaleRealOf(form, Box::B, format), 100.0);
    const double slenderness = Blaming(Box::A, [&] {
        return CheckedDivide(lengthCm, LocaleRealOf(form, Box::A, format));
    });
    form[Box::H] = RealText(slenderness, format);

    // The pile tip is taken to lie in the last layer.
    const ValueCell& tipAngle = Blaming(Box::C, [&]() -> const ValueCell& {
        return state.ANG[LocaleLongOf(form, Box::C, format)];
    });
    form[Box::Z9] = CellText(tipAngle, format);
}

}  // namespace pali
