// SPDX-License-Identifier: MIT

#include "core/check/length_curve.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "core/calc/bearing_capacity.h"
#include "core/calc/design_combinations.h"
#include "core/state/conversions.h"

namespace pali {

namespace {

constexpr double kDepthTolerance = 0.001;  // m: a millimetre

// The bases of layers 1..n, their thicknesses added in order from the top.
std::vector<double> LayerBases(const ProjectState& state, std::int32_t layers)
{
    std::vector<double> bases;
    double depth = 0.0;
    for (std::int32_t row = 1; row <= layers; ++row) {
        depth += CellReal(state.LUNG[row]);
        bases.push_back(depth);
    }
    return bases;
}

// The window's boxes and table as the engineer would leave them to check the
// pile at each length of the profile. The three combinations are computed
// once for what the lengths share; a length the shared calculation cannot
// take is computed again in full, as the window would.
class PilesAlongProfile {
public:
    PilesAlongProfile(const FormContents& form, const ProjectState& state, const std::vector<double>& bases,
                      const std::optional<CorrelationFactors>& factors, const NumberFormat& format)
        : typed_(form), state_(state), bases_(bases), factors_(factors), format_(format)
    {
        try {
            for (std::size_t option = 0; option < kDesignCombinations.size(); ++option) {
                piles_.emplace_back(form, state_, static_cast<std::int32_t>(bases.size()), static_cast<int>(option),
                                    format);
            }
        } catch (const RunTimeError&) {
            piles_.clear();
        }
    }

    CurvePoint At(double length)
    {
        CurvePoint point;
        point.length = length;
        const auto tip = std::ranges::find_if(bases_, [&](double base) { return base >= length - kDepthTolerance; });
        point.tipLayer = static_cast<std::int32_t>(tip - bases_.begin()) + 1;
        const double above = tip == bases_.begin() ? 0.0 : *(tip - 1);
        const double tipThickness = length - above;
        typed_[Box::B] = RealText(length, format_);
        typed_[Box::C] = std::to_string(point.tipLayer);
        point.nq = NqFromTable(typed_, state_, format_);
        if (point.HasValue()) {
            typed_[Box::K1] = OneDecimal(*point.nq.value, format_);
            point.combinations = Combinations(point.tipLayer, tipThickness);
        }
        return point;
    }

private:
    std::array<CombinationCheck, 3> Combinations(std::int32_t tipLayer, double tipThickness)
    {
        std::array<CombinationCheck, 3> combinations;
        try {
            const PileOfAnyLength::Typed typed{typed_[Box::B], tipLayer, tipThickness, typed_[Box::K1], format_};
            for (std::size_t option = 0; option < piles_.size(); ++option) {
                const std::string capacity = piles_[option].GroupCapacity(typed);
                combinations[option] =
                    JudgedCombination(option, piles_[option].FactoredLoad(), capacity, factors_, format_);
            }
            if (!piles_.empty()) {
                return combinations;
            }
        } catch (const RunTimeError&) {
        }
        const ValueCell stored = state_.LUNG[tipLayer];
        state_.LUNG[tipLayer] = tipThickness;
        combinations = CheckCombinations(typed_, state_, factors_, format_);
        state_.LUNG[tipLayer] = stored;
        return combinations;
    }

    FormContents typed_;
    ProjectState state_;
    const std::vector<double>& bases_;
    const std::optional<CorrelationFactors>& factors_;
    const NumberFormat& format_;
    std::vector<PileOfAnyLength> piles_;
};

using Holds = std::function<bool(const CurvePoint&)>;
using Ratio = std::function<std::optional<double>(const CurvePoint&)>;

ShortestLength Shortest(const std::vector<CurvePoint>& points, const Holds& verified, const Ratio& ratio)
{
    ShortestLength shortest;
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
        if (!point->HasValue()) {
            continue;
        }
        if (!verified(*point)) {
            break;
        }
        shortest.length = point->length;
    }
    if (shortest.length) {
        return shortest;
    }
    for (const CurvePoint& point : points) {
        const auto reached = point.HasValue() ? ratio(point) : std::nullopt;
        if (reached && (!shortest.bestRatio || *reached > *shortest.bestRatio)) {
            shortest.bestRatio = reached;
            shortest.bestAt = point.length;
        }
    }
    return shortest;
}

bool IsVerified(const CombinationCheck& combination)
{
    return combination.verdict == Verdict::Verified;
}

// The least of the combinations' ratios: the one that governs.
std::optional<double> LeastRatio(const CombinationCheck& first, const CombinationCheck& second)
{
    if (!first.ratio || !second.ratio) {
        return std::nullopt;
    }
    return std::min(*first.ratio, *second.ratio);
}

}  // namespace

LengthCurve CurveOfLengths(const FormContents& form, const ProjectState& state, std::string_view verticals,
                           const NumberFormat& format)
{
    LengthCurve curve;
    const auto layers = ReadLayerCount(form, format).TableRows();
    if (!layers) {
        return curve;
    }
    const std::vector<double> bases = LayerBases(state, *layers);
    curve.profileDepth = bases.back();
    const double deepest = *curve.profileDepth + kDepthTolerance;
    const double reach = static_cast<double>(kLongestCurveSteps) / kCurveStepsPerMetre;
    curve.cut = !(deepest <= reach);
    const auto factors = CorrelationFactorsFor(verticals, format).factors;
    PilesAlongProfile piles(form, state, bases, factors, format);
    curve.points.reserve(deepest > 0.0 ? static_cast<std::size_t>(std::min(deepest, reach) * kCurveStepsPerMetre) : 0U);
    for (std::int32_t step = 1; step <= kLongestCurveSteps; ++step) {
        const double length = static_cast<double>(step) / kCurveStepsPerMetre;
        if (!(length <= deepest)) {
            break;
        }
        curve.points.push_back(piles.At(length));
    }
    const auto& points = curve.points;
    curve.shortestNtc2018 = Shortest(
        points, [](const CurvePoint& point) { return IsVerified(point.combinations[2]); },
        [](const CurvePoint& point) { return point.combinations[2].ratio; });
    curve.shortestNtc2008 = Shortest(
        points,
        [](const CurvePoint& point) { return IsVerified(point.combinations[0]) && IsVerified(point.combinations[1]); },
        [](const CurvePoint& point) { return LeastRatio(point.combinations[0], point.combinations[1]); });
    return curve;
}

}  // namespace pali
