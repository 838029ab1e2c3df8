// SPDX-License-Identifier: MIT

#include "core/check/design_check.h"

#include <charconv>
#include <cmath>

#include "core/calc/bearing_capacity.h"
#include "core/calc/design_combinations.h"
#include "core/check/decimal_verdict.h"
#include "core/state/conversions.h"

namespace pali {

namespace {

constexpr double kLengthTolerance = 0.01;  // m: one centimetre

// Each figure read from a text is its decimal within half a unit in the last
// place, and Rd one division more: where Rd and Ed stand further apart than
// a millionth of a millionth, the reals order them as their decimals do, and
// only nearer a tie must the decimals be compared digit by digit.
bool FarFromATie(double rd, double ed)
{
    constexpr double kWellAboveSubnormals = 1e-200;
    constexpr double kManyRoundings = 1e-12;
    return std::isfinite(rd) && std::isfinite(ed) && ed >= kWellAboveSubnormals &&
           std::fabs(rd - ed) > kManyRoundings * ed;
}

CombinationCheck CheckCombination(FormContents form, ProjectState state, std::size_t option,
                                  const std::optional<CorrelationFactors>& factors, const NumberFormat& format)
{
    CombinationCheck check;
    check.name = kDesignCombinations[option].name;
    form.selectedCombination = static_cast<int>(option);
    try {
        ComputeBearingCapacity(form, state, format);
    } catch (const RunTimeError& error) {
        check.error = error;
        return check;
    }
    return JudgedCombination(option, form[Box::CARMAG], form[Box::M8], factors, format);
}

// Approach 1 holds when both its combinations hold; one that fails fails it.
std::optional<Verdict> BothVerdicts(const CombinationCheck& first, const CombinationCheck& second)
{
    if (first.verdict == Verdict::NotVerified || second.verdict == Verdict::NotVerified) {
        return Verdict::NotVerified;
    }
    if (!first.verdict || !second.verdict) {
        return std::nullopt;
    }
    return Verdict::Verified;
}

CheckWarning Warning(CheckWarning::Kind kind, std::int32_t row = 0, double first = 0.0, double second = 0.0,
                     std::optional<ErrorKind> error = std::nullopt)
{
    return CheckWarning{kind, row, first, second, error};
}

void WarnOfLayers(const FormContents& form, const ProjectState& state, const NumberFormat& format,
                  std::vector<CheckWarning>& warnings)
{
    const LayerCount count = ReadLayerCount(form, format);
    if (count.typed && *count.typed > kLastLayerRow) {
        warnings.push_back(Warning(CheckWarning::Kind::LayerCountBeyondTable, *count.typed));
    }
    const auto layers = count.TableRows();
    if (!layers) {
        return;
    }
    double thickness = 0.0;
    for (std::int32_t row = 1; row <= *layers; ++row) {
        if (state.LUNG[row].IsEmpty()) {
            warnings.push_back(Warning(CheckWarning::Kind::LayerNotStored, row));
        }
        thickness += CellReal(state.LUNG[row]);
    }
    try {
        const double length = LocaleRealOf(form, Box::B, format);
        if (std::fabs(thickness - length) > kLengthTolerance) {
            warnings.push_back(Warning(CheckWarning::Kind::LayersDoNotAddUp, 0, thickness, length));
        }
    } catch (const RunTimeError&) {
    }
}

void WarnOfNq(const FormContents& form, const NqReading& nq, const NumberFormat& format,
              std::vector<CheckWarning>& warnings)
{
    if (!nq.value) {
        if (nq.tipAngle && nq.slenderness) {
            warnings.push_back(Warning(CheckWarning::Kind::NqNotFromTable));
        }
        return;
    }
    try {
        const double typed = LeadingNumber(form[Box::K1], format);
        if (typed > *nq.value) {
            warnings.push_back(Warning(CheckWarning::Kind::TypedNqAboveTable, 0, typed, *nq.value));
        }
    } catch (const RunTimeError& error) {
        warnings.push_back(Warning(CheckWarning::Kind::TypedNqUnreadable, 0, 0.0, 0.0, error.kind()));
    }
}

}  // namespace

std::string_view VerdictText(Verdict verdict)
{
    return verdict == Verdict::Verified ? "VERIFICATO" : "NON VERIFICATO";
}

std::string FixedDecimals(double value, int decimals, const NumberFormat& format)
{
    char digits[400];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string text(digits, error == std::errc() ? end : digits);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, format.decimalSeparator);
    }
    return text;
}

std::string TwoDecimals(double value, const NumberFormat& format)
{
    return FixedDecimals(value, 2, format);
}

std::string OneDecimal(double value, const NumberFormat& format)
{
    return FixedDecimals(value, 1, format);
}

CombinationCheck JudgedCombination(std::size_t option, const std::string& factoredLoad,
                                   const std::string& groupCapacity, const std::optional<CorrelationFactors>& factors,
                                   const NumberFormat& format)
{
    CombinationCheck check;
    check.name = kDesignCombinations[option].name;
    // The figures as the window shows them; a capacity that rounds to zero
    // shows no digit, and counts as zero.
    check.ed = LeadingNumber(factoredLoad, format);
    check.capacity = LeadingNumber(groupCapacity, format);
    if (!factors) {
        return check;
    }
    check.rd = *check.capacity / factors->xi3;
    if (*check.ed > 0.0) {
        check.ratio = *check.rd / *check.ed;
        const bool reaches = FarFromATie(*check.rd, *check.ed)
                                 ? *check.rd >= *check.ed
                                 : ReachesExactly(groupCapacity, factors->Xi3Hundredths(), factoredLoad, format)
                                       .value_or(*check.rd >= *check.ed);
        check.verdict = reaches ? Verdict::Verified : Verdict::NotVerified;
    }
    return check;
}

std::array<CombinationCheck, 3> CheckCombinations(const FormContents& form, const ProjectState& state,
                                                  const std::optional<CorrelationFactors>& factors,
                                                  const NumberFormat& format)
{
    std::array<CombinationCheck, 3> combinations;
    for (std::size_t option = 0; option < combinations.size(); ++option) {
        combinations[option] = CheckCombination(form, state, option, factors, format);
    }
    return combinations;
}

DesignCheck CheckDesign(const FormContents& form, const ProjectState& state, std::string_view verticals,
                        const NumberFormat& format)
{
    DesignCheck check;
    check.nq = NqFromTable(form, state, format);
    check.verticals = CorrelationFactorsFor(verticals, format);
    check.combinations = CheckCombinations(form, state, check.verticals.factors, format);
    check.approach1Ntc2008 = BothVerdicts(check.combinations[0], check.combinations[1]);
    check.approach2Ntc2008Ntc2018 = check.combinations[2].verdict;

    if (!check.verticals.factors) {
        check.warnings.push_back(
            Warning(check.verticals.problem ? CheckWarning::Kind::VerticalsUnusable : CheckWarning::Kind::NoVerticals));
    }
    WarnOfLayers(form, state, format, check.warnings);
    WarnOfNq(form, check.nq, format, check.warnings);
    return check;
}

}  // namespace pali
