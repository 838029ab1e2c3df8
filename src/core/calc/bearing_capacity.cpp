// SPDX-License-Identifier: MIT

#include "core/calc/bearing_capacity.h"

#include "core/calc/capacity_formulas.h"
#include "core/calc/design_combinations.h"
#include "core/state/checked_real.h"
#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

// Berezantzev: Qt = Qp + Ql, with the point Qp = Ap * gamma_n * L * Nq and the
// shaft Ql = Al * sum(1/2 * Ki * gamma_i * Li * tan phi_i), each piece as
// capacity_formulas.h groups it.

namespace pali {

namespace {

constexpr const char* kCapacityPicture = "#####.##";

// (CP + CPNS) + CV, of loads already read and factored. A sum beyond the
// real range names the load that weighs most in it.
double SumOfLoads(double permanent, double nonStructural, double variable)
{
    const double permanents = BlamingHeaviest({Typed(Box::CP, permanent), Typed(Box::CPNS, nonStructural)},
                                              [&] { return CheckedAdd(permanent, nonStructural); });
    return BlamingHeaviest({Typed(Box::CP, permanent), Typed(Box::CPNS, nonStructural), Typed(Box::CV, variable)},
                           [&] { return CheckedAdd(permanents, variable); });
}

void ShowTotalLoad(FormContents& form, const NumberFormat& format)
{
    const double permanent = LeadingNumberOf(form, Box::CP, format);
    const double nonStructural = LeadingNumberOf(form, Box::CPNS, format);
    const double variable = LeadingNumberOf(form, Box::CV, format);
    form[Box::CARTOT] = RealText(SumOfLoads(permanent, nonStructural, variable), format);
}

double FactoredLoad(const FormContents& form, Box box, double factor, const NumberFormat& format)
{
    const double load = LeadingNumberOf(form, box, format);
    return Blaming(box, [&] { return CheckedMultiply(load, factor); });
}

void ShowFactoredLoad(FormContents& form, const DesignCombination& combination, const NumberFormat& format)
{
    const double permanent = FactoredLoad(form, Box::CP, combination.permanentFactor, format);
    const double nonStructural = FactoredLoad(form, Box::CPNS, combination.nonStructuralFactor, format);
    const double variable = FactoredLoad(form, Box::CV, combination.variableFactor, format);
    form[Box::CARMAG] = RealText(SumOfLoads(permanent, nonStructural, variable), format);
}

// The deepest layer, the row given by the layer count of C, carries the point.
const ValueCell& TipUnitWeight(const ProjectState& state, std::int32_t layers)
{
    return Blaming(Box::C, [&]() -> const ValueCell& { return state.PESO[layers]; });
}

void ComputePointCapacity(const FormContents& form, ProjectState& state, std::int32_t layers,
                          const DesignCombination& combination, const NumberFormat& format)
{
    const ValueCell& tipWeight = TipUnitWeight(state, layers);
    const double lengthM = LeadingNumberOf(form, Box::B, format);
    const double nq = LeadingNumberOf(form, Box::K1, format);
    const ValueCell weightTimesLength = BlamingHeaviest({Stored(tipWeight.Numeric()), Typed(Box::B, lengthM)},
                                                        [&] { return tipWeight * ValueCell(lengthM); });
    state.QPUNTA = BlamingHeaviest({Stored(tipWeight.Numeric()), Typed(Box::B, lengthM), Typed(Box::K1, nq)},
                                   [&] { return weightTimesLength * ValueCell(nq); });

    const double diameterCm = LocaleRealOf(form, Box::A, format);
    const double diameterSquared = Blaming(Box::A, [&] { return DiameterSquared(diameterCm); });
    state.QPUNTA = BlamingHeaviest(
        {Stored(tipWeight.Numeric()), Typed(Box::B, lengthM), Typed(Box::K1, nq), Typed(Box::A, diameterCm)},
        [&] { return PointFromProduct(state.QPUNTA, diameterSquared, combination); });
}

void AddLayerFriction(ProjectState& state, const DesignCombination& combination)
{
    const std::int32_t row = CellLong(state.JSTRATO);
    state.ANGRAD[row] = Radians(state.ANG[row]);
    state.TGANG[row] = DesignTangent(state.ANGRAD[row], combination);
    state.QLAT = state.QLAT + LayerFriction(state.KLAT[row], state.PESO[row], state.LUNG[row], state.TGANG[row]);
}

// The shaft sums the same layers 1..n whose last one carries the point.
void ComputeShaftCapacity(const FormContents& form, ProjectState& state, std::int32_t layers,
                          const DesignCombination& combination, const NumberFormat& format)
{
    state.QLAT = ValueCell::Integer(0);
    for (state.JSTRATO = ValueCell::Integer(1); CellReal(state.JSTRATO) <= layers;
         state.JSTRATO = state.JSTRATO + ValueCell::Integer(1)) {
        AddLayerFriction(state, combination);
    }
    const double diameterCm = LocaleRealOf(form, Box::A, format);
    const double lengthM = LocaleRealOf(form, Box::B, format);
    state.QLAT = BlamingHeaviest({Stored(state.QLAT.Numeric()), Typed(Box::A, diameterCm), Typed(Box::B, lengthM)},
                                 [&] { return ShaftFromSum(state.QLAT, diameterCm, lengthM, combination); });
}

// Only a whole number of 1 to 6 piles has a reduction factor; any other
// would leave the factor of an earlier run in force.
void SetGroupFactor(const FormContents& form, ProjectState& state, const NumberFormat& format)
{
    const auto factor = GroupFactor(LocaleRealOf(form, Box::M5, format));
    if (!factor) {
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, Box::M5);
    }
    state.COEFGR = *factor;
}

std::string AsPicture(const std::string& text, const NumberFormat& format)
{
    return PictureText(text, kCapacityPicture, format);
}

void ShowAsPicture(FormContents& form, Box box, const NumberFormat& format)
{
    form[box] = AsPicture(form[box], format);
}

// The group capacity comes from the total as displayed, rounded to cents. A
// total that rounds to zero is shown as the separator alone, which is zero
// all the same.
std::string GroupCapacityText(const std::string& totalShown, double groupFactor, const NumberFormat& format)
{
    const double total =
        totalShown == format.decimalSeparator ? 0.0 : Blaming(Box::K3, [&] { return LocaleReal(totalShown, format); });
    return AsPicture(RealText(CheckedMultiply(total, groupFactor), format), format);
}

}  // namespace

void ComputeBearingCapacity(FormContents& form, ProjectState& state, const NumberFormat& format)
{
    const DesignCombination& combination = SelectedCombination(form.selectedCombination);

    ShowTotalLoad(form, format);
    state.QPUNTA = ValueCell::Integer(0);
    form[Box::K3] = IntegerText(0);
    const std::int32_t layers = LocaleLongOf(form, Box::C, format);

    ComputePointCapacity(form, state, layers, combination, format);
    ShowFactoredLoad(form, combination, format);
    ComputeShaftCapacity(form, state, layers, combination, format);

    form[Box::K3] = CellText(state.QPUNTA + state.QLAT, format);
    form[Box::M3] = CellText(state.QPUNTA, format);
    form[Box::M4] = CellText(state.QLAT, format);
    SetGroupFactor(form, state, format);

    ShowAsPicture(form, Box::K3, format);
    ShowAsPicture(form, Box::M3, format);
    ShowAsPicture(form, Box::M4, format);
    form[Box::M8] = GroupCapacityText(form[Box::K3], state.COEFGR, format);
}

PileOfAnyLength::PileOfAnyLength(const FormContents& form, const ProjectState& state, std::int32_t deepestLayer,
                                 int combination, const NumberFormat& format)
    : state_(state), combination_(SelectedCombination(combination)), format_(format)
{
    FormContents loads = form;
    ShowTotalLoad(loads, format);
    ShowFactoredLoad(loads, combination_, format);
    factoredLoad_ = loads[Box::CARMAG];
    diameterCm_ = LocaleRealOf(form, Box::A, format);
    diameterSquared_ = DiameterSquared(diameterCm_);
    const auto factor = GroupFactor(LocaleRealOf(form, Box::M5, format));
    if (!factor) {
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, Box::M5);
    }
    groupFactor_ = *factor;
    // A layer whose tangent raises ends the rows a pile may reach here.
    sums_.push_back(ValueCell::Integer(0));
    try {
        for (std::int32_t row = 1; row <= deepestLayer; ++row) {
            tangents_.push_back(DesignTangent(Radians(state.ANG[row]), combination_));
            sums_.push_back(sums_.back() +
                            LayerFriction(state.KLAT[row], state.PESO[row], state.LUNG[row], tangents_.back()));
        }
    } catch (const RunTimeError&) {
    }
}

PileOfAnyLength::Typed::Typed(const std::string& length, std::int32_t tipLayer, double tipThickness,
                              const std::string& nq, const NumberFormat& format)
    : leadingLength(LeadingNumber(length, format)),
      length(LocaleReal(length, format)),
      tipLayer(tipLayer),
      tipThickness(tipThickness),
      nq(LeadingNumber(nq, format))
{}

std::string PileOfAnyLength::GroupCapacity(const Typed& pile) const
{
    const auto tip = static_cast<std::size_t>(pile.tipLayer);
    if (pile.tipLayer < 1 || tip > tangents_.size()) {
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, Box::C);
    }
    const ValueCell& tipWeight = state_.PESO[pile.tipLayer];
    const ValueCell point = PointFromProduct((tipWeight * ValueCell(pile.leadingLength)) * ValueCell(pile.nq),
                                             diameterSquared_, combination_);
    const ValueCell sum = sums_[tip - 1] + LayerFriction(state_.KLAT[pile.tipLayer], tipWeight,
                                                         ValueCell(pile.tipThickness), tangents_[tip - 1]);
    const ValueCell shaft = ShaftFromSum(sum, diameterCm_, pile.length, combination_);
    return GroupCapacityText(AsPicture(CellText(point + shaft, format_), format_), groupFactor_, format_);
}

}  // namespace pali
