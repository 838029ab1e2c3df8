// SPDX-License-Identifier: MIT

#include "core/check/simple_calculation.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/calc/capacity_formulas.h"
#include "core/check/design_check.h"
#include "core/state/conversions.h"

namespace pali {

namespace {

// The ratio in hundredths as its two decimals write it; none when it is too
// large to be written so, which is far above any fifth.
std::optional<std::int64_t> Hundredths(double ratio)
{
    std::string text = FixedDecimals(ratio, 2, NumberFormat::Point());
    text.erase(text.find('.'), 1);
    std::int64_t hundredths = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hundredths);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return hundredths;
}

}  // namespace

FigureComparison Compare(double program, double simple)
{
    FigureComparison comparison;
    if (!(simple > 0.0) || !std::isfinite(program / simple)) {
        return comparison;
    }
    comparison.ratio = program / simple;
    const auto hundredths = Hundredths(*comparison.ratio);
    if (!hundredths || *hundredths > kConsistentHundredthsHigh) {
        comparison.agreement = Agreement::ProgramAbove;
    } else if (*hundredths < kConsistentHundredthsLow) {
        comparison.agreement = Agreement::ProgramBelow;
    } else {
        comparison.agreement = Agreement::Consistent;
    }
    return comparison;
}

SimpleCalculation CalculateSimply(const CapacityBreakdown& program, const ProjectState& state)
{
    SimpleCalculation simple;
    const DesignCombination& combination = *program.combination;
    double above = 0.0;  // the overburden of the layers above, t/m2
    for (const ShaftLayerFigures& layer : program.layers) {
        const double own = CellReal(state.PESO[layer.row]) * CellReal(state.LUNG[layer.row]);
        const double midDepth = above + own / 2.0;
        const ValueCell unitFriction = (state.KLAT[layer.row] * ValueCell(midDepth)) * ValueCell(layer.designTangent);
        const double shaft = CellReal(ShaftFromSum(unitFriction, program.diameterCm, layer.thickness, combination));
        simple.layers.push_back({layer.row, midDepth, layer.lateral, layer.designTangent, layer.thickness, shaft});
        simple.shaft += shaft;
        above += own;
    }
    simple.tipStress = above;
    simple.point =
        CellReal(PointFromProduct(ValueCell(above) * ValueCell(program.nq), program.diameterSquared, combination));
    simple.pointComparison = Compare(program.point, simple.point);
    simple.shaftComparison = Compare(program.shaft, simple.shaft);
    return simple;
}

}  // namespace pali
