#include "window/layer_entry.h"

#include "state/checked_real.h"
#include "state/conversions.h"
#include "state/run_time_error.h"

namespace pali {

namespace {

// The row on display, converted and checked anew at every access.
std::int32_t CursorRow(const ProjectState& state)
{
    return CellLong(state.NSTRATO);
}

// After the last layer the cursor starts again from the first. A cursor
// already past the end (the count was lowered, or is not a whole number)
// wraps too, instead of climbing out of the table.
void StepCursor(const FormContents& form, ProjectState& state, const NumberFormat& format)
{
    state.NSTRATO = state.NSTRATO + ValueCell::Integer(1);
    const double wrapValue = Blaming(Box::C, [&] {
        return CheckedAdd(LocaleRealOf(form, Box::C, format), 1.0);
    });
    if (CellReal(state.NSTRATO) >= wrapValue) {
        state.NSTRATO = ValueCell::Integer(1);
    }
}

void ShowCursorRow(FormContents& form, const ProjectState& state, const NumberFormat& format)
{
    form[Box::E] = CellText(state.ANG[CursorRow(state)], format);
    form[Box::F] = CellText(state.LUNG[CursorRow(state)], format);
    form[Box::G] = CellText(state.PESO[CursorRow(state)], format);
    form[Box::D] = CellText(state.KLAT[CursorRow(state)], format);
    // A coefficient K of 0 means "not given": the box stays empty.
    if (NumericallyEqual(state.KLAT[CursorRow(state)], ValueCell::Integer(0))) {
        form[Box::D].clear();
    }
}

}  // namespace

void ShowNextLayer(FormContents& form, ProjectState& state, const NumberFormat& format)
{
    StepCursor(form, state, format);
    form[Box::I] = CellText(state.NSTRATO, format);
    // Only a layer count beyond the table can take the cursor out of it.
    Blaming(Box::C, [&] { ShowCursorRow(form, state, format); });
}

void StoreLayer(const FormContents& form, ProjectState& state, const NumberFormat& format)
{
    state.ANG[CursorRow(state)] = LeadingNumberOf(form, Box::E, format);
    state.LUNG[CursorRow(state)] = LeadingNumberOf(form, Box::F, format);
    state.PESO[CursorRow(state)] = LeadingNumberOf(form, Box::G, format);
    state.KLAT[CursorRow(state)] = LeadingNumberOf(form, Box::D, format);
}

}  // namespace pali
