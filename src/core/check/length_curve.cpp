// SPDX-License-Identifier: MIT

#include "core/check/length_curve.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

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

// The pile of that length through the profile: the window's boxes and table
// as the engineer would leave them to check it.
CurvePoint PointAt(double length, const std::vector<double>& bases, FormContents form, ProjectState state,
                   const std::optional<CorrelationFactors>& factors, const NumberFormat& format)
{
    CurvePoint point;
    point.length = length;
    const auto tip = std::ranges::find_if(bases, [&](double base) { return base >= length - kDepthTolerance; });
    point.tipLayer = static_cast<std::int32_t>(tip - bases.begin()) + 1;
    const double above = tip == bases.begin() ? 0.0 : *(tip - 1);
    state.LUNG[point.tipLayer] = length - above;
    form[Box::B] = RealText(length, format);
    form[Box::C] = std::to_string(point.tipLayer);
    point.nq = NqFromTable(form, state, format);
    if (point.HasValue()) {
        form[Box::K1] = OneDecimal(*point.nq.value, format);
        point.combinations = CheckCombinations(form, state, factors, format);
    }
    return point;
}

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
    curve.cut = !(deepest <= static_cast<double>(kLongestCurveSteps) / kCurveStepsPerMetre);
    const auto factors = CorrelationFactorsFor(verticals, format).factors;
    for (std::int32_t step = 1; step <= kLongestCurveSteps; ++step) {
        const double length = static_cast<double>(step) / kCurveStepsPerMetre;
        if (!(length <= deepest)) {
            break;
        }
        curve.points.push_back(PointAt(length, bases, form, state, factors, format));
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
