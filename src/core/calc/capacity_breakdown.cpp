// SPDX-License-Identifier: MIT

#include "core/calc/capacity_breakdown.h"

#include "core/calc/bearing_capacity.h"
#include "core/calc/capacity_formulas.h"
#include "core/state/conversions.h"

namespace pali {

namespace {

// The terms of the shaft's sum, from the design tangents the calculation
// left in TGANG, added in the loop's order.
void BreakDownShaft(const ProjectState& computed, std::int32_t layers, CapacityBreakdown& breakdown)
{
    ValueCell sum = ValueCell::Integer(0);
    for (std::int32_t row = 1; row <= layers; ++row) {
        const ValueCell term =
            LayerFriction(computed.KLAT[row], computed.PESO[row], computed.LUNG[row], computed.TGANG[row]);
        breakdown.layers.push_back({row, CellReal(computed.ANG[row]), CellReal(computed.KLAT[row]),
                                    CellReal(computed.PESO[row]), CellReal(computed.LUNG[row]), computed.TGANG[row],
                                    CellReal(term)});
        sum = sum + term;
    }
    breakdown.sum = CellReal(sum);
}

}  // namespace

CapacityBreakdown BreakDownCapacity(const FormContents& form, const ProjectState& state, std::size_t option,
                                    const NumberFormat& format)
{
    CapacityBreakdown breakdown;
    breakdown.option = option;
    breakdown.combination = &SelectedCombination(static_cast<int>(option));

    FormContents shown = form;
    shown.selectedCombination = static_cast<int>(option);
    ProjectState computed = state;
    try {
        ComputeBearingCapacity(shown, computed, format);
    } catch (const RunTimeError& error) {
        breakdown.error = error;
        return breakdown;
    }
    // The calculation has read every box below without failing.
    breakdown.permanent = LeadingNumberOf(form, Box::CP, format);
    breakdown.nonStructural = LeadingNumberOf(form, Box::CPNS, format);
    breakdown.variable = LeadingNumberOf(form, Box::CV, format);
    breakdown.totalLoad = shown[Box::CARTOT];
    breakdown.factoredLoad = shown[Box::CARMAG];

    breakdown.tipLayer = LocaleLongOf(form, Box::C, format);
    breakdown.tipUnitWeight = CellReal(computed.PESO[breakdown.tipLayer]);
    breakdown.pointLength = LeadingNumberOf(form, Box::B, format);
    breakdown.nq = LeadingNumberOf(form, Box::K1, format);
    breakdown.diameterCm = LocaleRealOf(form, Box::A, format);
    breakdown.diameterSquared = DiameterSquared(breakdown.diameterCm);
    breakdown.point = CellReal(computed.QPUNTA);

    BreakDownShaft(computed, breakdown.tipLayer, breakdown);
    breakdown.shaftLength = LocaleRealOf(form, Box::B, format);
    breakdown.shaft = CellReal(computed.QLAT);
    breakdown.total = CellReal(computed.QPUNTA + computed.QLAT);
    breakdown.groupFactor = computed.COEFGR;

    breakdown.pointShown = shown[Box::M3];
    breakdown.shaftShown = shown[Box::M4];
    breakdown.totalShown = shown[Box::K3];
    breakdown.groupShown = shown[Box::M8];
    return breakdown;
}

}  // namespace pali
