// SPDX-License-Identifier: MIT

#include "core/calc/layer_entry.h"

#include <array>

#include "core/state/checked_real.h"
#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace pali {

namespace {

// The four boxes of a layer and the columns they fill, in the order OK stores them.
struct LayerField {
    Box box;
    LayerColumn<ValueCell> ProjectState::*column;
};

constexpr std::array<LayerField, 4> kLayerFields = {{
    {Box::E, &ProjectState::ANG},
    {Box::F, &ProjectState::LUNG},
    {Box::G, &ProjectState::PESO},
    {Box::D, &ProjectState::KLAT},
}};

// After the last layer the cursor starts again from the first. A cursor
// already past the end (the count was lowered, or is not a whole number)
// wraps too, instead of climbing out of the table.
void StepCursor(const FormContents& form, ProjectState& state, const NumberFormat& format)
{
    state.NSTRATO = state.NSTRATO + ValueCell::Integer(1);
    const double wrapValue = Blaming(Box::C, [&] { return CheckedAdd(LocaleRealOf(form, Box::C, format), 1.0); });
    if (CellReal(state.NSTRATO) >= wrapValue) {
        state.NSTRATO = ValueCell::Integer(1);
    }
}

void ShowCursorRow(FormContents& form, const ProjectState& state, const NumberFormat& format)
{
    const std::int32_t row = CellLong(state.NSTRATO);
    for (const LayerField& field : kLayerFields) {
        form[field.box] = CellText((state.*field.column)[row], format);
    }
    // A coefficient K of 0 means "not given": the box stays empty.
    if (NumericallyEqual(state.KLAT[row], ValueCell::Integer(0))) {
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
    const std::int32_t row = CellLong(state.NSTRATO);
    for (const LayerField& field : kLayerFields) {
        const double value = LeadingNumberOf(form, field.box, format);
        (state.*field.column)[row] = value;
    }
}

}  // namespace pali
