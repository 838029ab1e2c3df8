// SPDX-License-Identifier: MIT

// The panel's picture: the soil profile, and beside it the design resistance
// against the pile's length on the same depth scale.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "app/check_panel.h"
#include "app/design_check_texts.h"
#include "core/calc/design_combinations.h"
#include "core/state/conversions.h"

namespace pali {

namespace {

constexpr double kLabelGap = 2.0;        // between a text and the line it stands on
constexpr double kLeastPileWidth = 6.0;  // a thin pile still shows
constexpr double kLeastBandHeight = 1.0;
constexpr double kTick = 3.0;
constexpr double kProfileShare = 0.6;  // of the width, when the chart stands beside the profile
constexpr int kTicksWanted = 4;

using Shapes = std::vector<draw::Primitive>;

draw::Text Label(draw::Point anchor, std::string text, draw::Across across, draw::Down down, double size,
                 std::optional<draw::Rect> clip = std::nullopt, draw::Colour colour = draw::Colour::Ink)
{
    return {anchor, std::move(text), across, down, size, false, colour, clip};
}

draw::Polyline Line(draw::Point from, draw::Point to, draw::Stroke stroke = {})
{
    return {{from, to}, stroke};
}

// Depths downwards from the ground line at the top of the picture's area.
struct DepthScale {
    double top = 0.0;
    double unitsPerMetre = 0.0;

    double Y(double depth) const { return top + depth * unitsPerMetre; }
};

std::optional<DepthScale> ScaleFor(double depth, const draw::Rect& area)
{
    const double unitsPerMetre = (area.bottom - area.top) / depth;
    if (!(depth > 0.0) || !std::isfinite(depth) || !(unitsPerMetre > 0.0) || !std::isfinite(unitsPerMetre)) {
        return std::nullopt;
    }
    return DepthScale{area.top, unitsPerMetre};
}

// The ground line and its caption; each layer a band with its label and the
// depth of its base; the pile's bar a sixth of the way across, and its tip.
// Whether the tip's label, which gives its depth, stands on the line of this
// base: the base's own depth then says nothing more, and would overwrite it.
bool TipLabelOnBase(const SoilProfile& profile, const DepthScale& scale, const draw::Rect& area, double base,
                    double line)
{
    return profile.pileLength && std::fabs(std::min(scale.Y(*profile.pileLength), area.bottom) - base) < line;
}

void DrawProfile(const SoilProfile& profile, const draw::Rect& area, const std::optional<DepthScale>& scale,
                 double textSize, double line, Shapes& shapes)
{
    const double pileX = area.left + (area.right - area.left) / 6.0;
    const double labelsLeft = pileX + 2.0 * line;
    shapes.push_back(Line({area.left, area.top}, {area.right, area.top}));
    shapes.push_back(Label({area.left, area.top - kLabelGap}, std::string(kGroundCaption), draw::Across::Left,
                           draw::Down::Bottom, textSize));
    if (!scale) {
        return;
    }
    for (const SoilProfile::Layer& layer : profile.layers) {
        const double top = scale->Y(layer.top);
        const draw::Rect band{area.left, top, area.right, std::max(top + kLeastBandHeight, scale->Y(layer.bottom))};
        shapes.push_back(
            draw::FilledRect{band, layer.number % 2 == 0 ? draw::Colour::SoilEven : draw::Colour::SoilOdd});
        shapes.push_back(draw::FilledRect{{band.left, band.bottom - 1.0, band.right, band.bottom}, draw::Colour::Ink});
        const draw::Rect labels{labelsLeft, band.top, band.right, band.bottom};
        shapes.push_back(Label({labelsLeft, (band.top + band.bottom) / 2.0}, layer.label, draw::Across::Left,
                               draw::Down::Middle, textSize, labels));
        if (!TipLabelOnBase(profile, *scale, area, band.bottom, line)) {
            shapes.push_back(Label({band.right - kLabelGap, band.bottom}, layer.depthText, draw::Across::Right,
                                   draw::Down::Bottom, textSize, band));
        }
    }
    if (profile.pileLength && *profile.pileLength > 0.0) {
        const double widest = std::max(kLeastPileWidth, (area.right - area.left) / 8.0);
        const double diameter = profile.pileDiameter.value_or(0.0) * scale->unitsPerMetre;
        const double pileWidth = std::clamp(std::isfinite(diameter) ? diameter : widest, kLeastPileWidth, widest);
        const double tip = std::min(scale->Y(*profile.pileLength), area.bottom);
        shapes.push_back(
            draw::FilledRect{{pileX - pileWidth / 2.0, area.top, pileX + pileWidth / 2.0, tip}, draw::Colour::Pile});
        shapes.push_back(Label({labelsLeft, tip}, profile.tipText, draw::Across::Left, draw::Down::Bottom, textSize));
    }
}

// Each combination's line: its colour, and a dash of its own that tells it
// apart without colour.
constexpr std::array<draw::Stroke, 3> kCombinationStrokes = {{
    {draw::Colour::CombinationR1, 2.0, draw::Dash::Solid},
    {draw::Colour::CombinationR2, 2.0, draw::Dash::Dashed},
    {draw::Colour::CombinationR3, 2.0, draw::Dash::Dotted},
}};

// The step of 1, 2, 2,5 or 5 times a power of ten whose whole multiples, at
// most that many, reach past the span the least.
double NiceStep(double span, int parts)
{
    const double power = std::pow(10.0, std::floor(std::log10(span / parts)));
    double best = 10.0 * power * std::ceil(span / (10.0 * power));
    double bestStep = 10.0 * power;
    for (const double multiple : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        const double step = multiple * power;
        const double count = std::ceil(span / step);
        if (count <= parts && count * step < best) {
            best = count * step;
            bestStep = step;
        }
    }
    return bestStep;
}

// How many whole steps the span holds, none when either is beyond the
// reals, and never more than an axis shows.
int TicksIn(double span, double step)
{
    if (!std::isfinite(span) || !std::isfinite(step) || !(step > 0.0)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::floor(span / step + 1e-9), 0.0, static_cast<double>(kTicksWanted + 1)));
}

// Rd where the verticals give it, else the group's capacity M8.
std::optional<double> Plotted(const CombinationCheck& combination)
{
    return combination.rd ? combination.rd : combination.capacity;
}

double LargestValue(const LengthCurve& curve)
{
    double largest = 0.0;
    for (const CurvePoint& point : curve.points) {
        for (const CombinationCheck& combination : point.combinations) {
            for (const auto& value : {Plotted(combination), combination.ed}) {
                if (value && std::isfinite(*value)) {
                    largest = std::max(largest, *value);
                }
            }
        }
    }
    return largest;
}

// The resistance across the chart, from 0 at its depth axis.
struct ValueScale {
    double left = 0.0;
    double right = 0.0;
    double largest = 1.0;

    double X(double value) const { return left + std::clamp(value / largest, 0.0, 1.0) * (right - left); }
};

class ChartDrawer {
public:
    ChartDrawer(const LengthCurve& curve, const draw::Rect& area, const DepthScale& depth, double textSize,
                const draw::TextMeasure& measure, const NumberFormat& format)
        : curve_(curve), depth_(depth), textSize_(textSize), measure_(measure), format_(format)
    {
        const double deepest = (area.bottom - area.top) / depth.unitsPerMetre;
        metres_ = NiceStep(deepest, kTicksWanted);
        const double deepestTick = TicksIn(deepest, metres_) * metres_;
        const double axis = area.left + measure.width(DepthText(deepestTick), textSize, false) + kTick + kLabelGap;
        const double largest = LargestValue(curve);
        // As many ticks as their figures find room for, side by side: the
        // last, with its unit, ends at its tick, the others are centred.
        const double room = 1.5 * measure.width("000 t", textSize, false) + kLabelGap;
        const int ticks = std::clamp(static_cast<int>((area.right - axis) / room), 1, kTicksWanted);
        step_ = largest > 0.0 && std::isfinite(largest) ? NiceStep(largest, ticks) : 1.0;
        values_ = {axis, area.right, std::max(step_, std::ceil(largest / step_) * step_)};
        plot_ = {axis, area.top, area.right, area.bottom};
    }

    void draw(const std::optional<double>& typedLength, Shapes& shapes) const
    {
        drawAxes(shapes);
        for (std::size_t combination = 0; combination < kCombinationStrokes.size(); ++combination) {
            drawResistance(combination, shapes);
            drawAction(combination, shapes);
        }
        std::vector<draw::Text> labels;
        if (typedLength) {
            mark(*typedLength, "L = " + TwoDecimals(*typedLength, format_) + " m", {draw::Colour::Ink, 1.0},
                 draw::Down::Bottom, shapes, labels);
        }
        if (curve_.shortestNtc2018.length) {
            mark(*curve_.shortestNtc2018.length,
                 "NTC 2018: " + TwoDecimals(*curve_.shortestNtc2018.length, format_) + " m",
                 {draw::Colour::Shortest, 1.0, draw::Dash::Dashed}, draw::Down::Bottom, shapes, labels);
        }
        if (curve_.shortestNtc2008.length) {
            mark(*curve_.shortestNtc2008.length,
                 "NTC 2008: " + TwoDecimals(*curve_.shortestNtc2008.length, format_) + " m",
                 {draw::Colour::Shortest, 1.0, draw::Dash::Dashed}, draw::Down::Top, shapes, labels);
        }
        // The marks' figures over every line, each on a patch of the
        // background, so that no curve crosses them.
        for (draw::Text& label : labels) {
            const double width = measure_.width(label.text, label.size, label.bold);
            const double height = measure_.lineHeight(label.size);
            const draw::TextBox box = draw::BoxOf(label, width, height);
            const draw::Rect patch{std::max(box.left, plot_.left), std::max(box.top, plot_.top),
                                   std::min(box.left + width, plot_.right), std::min(box.top + height, plot_.bottom)};
            if (patch.left < patch.right && patch.top < patch.bottom) {
                shapes.push_back(draw::FilledRect{patch, draw::Colour::Background});
            }
            shapes.push_back(std::move(label));
        }
    }

private:
    void drawAxes(Shapes& shapes) const
    {
        shapes.push_back(Line({plot_.left, plot_.top}, {plot_.right, plot_.top}));
        shapes.push_back(Line({plot_.left, plot_.top}, {plot_.left, plot_.bottom}));
        const int valueTicks = TicksIn(values_.largest, step_);
        for (int tick = 1; tick <= valueTicks; ++tick) {
            const double value = tick * step_;
            const double x = values_.X(value);
            const bool last = tick == valueTicks;
            shapes.push_back(Line({x, plot_.top}, {x, plot_.top + kTick}));
            shapes.push_back(Label({x, plot_.top - kLabelGap}, RealText(value, format_) + (last ? " t" : ""),
                                   last ? draw::Across::Right : draw::Across::Centre, draw::Down::Bottom, textSize_));
        }
        const int depthTicks = TicksIn((plot_.bottom - plot_.top) / depth_.unitsPerMetre, metres_);
        for (int tick = 1; tick <= depthTicks; ++tick) {
            const double y = depth_.Y(tick * metres_);
            shapes.push_back(Line({plot_.left - kTick, y}, {plot_.left, y}));
            shapes.push_back(Label({plot_.left - kTick - kLabelGap, y}, DepthText(tick * metres_), draw::Across::Right,
                                   draw::Down::Middle, textSize_));
        }
    }

    // Rd at each length with a value, a line broken where a length has none.
    void drawResistance(std::size_t combination, Shapes& shapes) const
    {
        draw::Polyline line{{}, kCombinationStrokes[combination]};
        const auto flush = [&] {
            if (line.points.size() > 1) {
                shapes.push_back(line);
            }
            line.points.clear();
        };
        for (const CurvePoint& point : curve_.points) {
            const auto value = point.HasValue() ? Plotted(point.combinations[combination]) : std::nullopt;
            if (!value || !std::isfinite(*value)) {
                flush();
                continue;
            }
            line.points.push_back({values_.X(*value), depth_.Y(point.length)});
        }
        flush();
    }

    // Ed, the same at every length: an upright line of the combination's stroke.
    void drawAction(std::size_t combination, Shapes& shapes) const
    {
        const auto& first = std::ranges::find_if(curve_.points, &CurvePoint::HasValue);
        if (first == curve_.points.end()) {
            return;
        }
        const auto ed = first->combinations[combination].ed;
        if (ed && *ed > 0.0 && std::isfinite(*ed)) {
            draw::Stroke stroke = kCombinationStrokes[combination];
            stroke.width = 1.0;
            shapes.push_back(Line({values_.X(*ed), plot_.top}, {values_.X(*ed), plot_.bottom}, stroke));
        }
    }

    void mark(double length, std::string text, draw::Stroke stroke, draw::Down side, Shapes& shapes,
              std::vector<draw::Text>& labels) const
    {
        const double y = std::min(depth_.Y(length), plot_.bottom);
        shapes.push_back(Line({plot_.left, y}, {plot_.right, y}, stroke));
        labels.push_back(Label({plot_.right - kLabelGap, y + (side == draw::Down::Top ? kLabelGap : -kLabelGap)},
                               std::move(text), draw::Across::Right, side, textSize_, std::nullopt, stroke.colour));
    }

    const LengthCurve& curve_;
    DepthScale depth_;
    double textSize_;
    const draw::TextMeasure& measure_;
    std::string DepthText(double depth) const { return RealText(depth, format_) + " m"; }

    const NumberFormat& format_;
    double metres_ = 1.0;
    double step_ = 1.0;
    ValueScale values_;
    draw::Rect plot_;
};

// Under the picture, each combination's stroke and name in a row.
void DrawLegend(const draw::Rect& row, double textSize, double line, const draw::TextMeasure& measure, Shapes& shapes)
{
    const double sample = 2.0 * line;
    const double y = (row.top + row.bottom) / 2.0;
    double x = row.left;
    for (std::size_t combination = 0; combination < kCombinationStrokes.size(); ++combination) {
        const std::string name(kDesignCombinations[combination].name);
        shapes.push_back(Line({x, y}, {x + sample, y}, kCombinationStrokes[combination]));
        shapes.push_back(Label({x + sample + kLabelGap, y}, name, draw::Across::Left, draw::Down::Middle, textSize));
        x += sample + kLabelGap + measure.width(name, textSize, false) + line;
    }
}

}  // namespace

draw::Drawing ProfilePicture(const SoilProfile& profile, double width, double height, double textSize,
                             const draw::TextMeasure& measure)
{
    draw::Drawing drawing{width, height, {}};
    const double line = measure.lineHeight(textSize);
    const draw::Rect area{line, line, width - line, height - line};
    DrawProfile(profile, area, ScaleFor(profile.depth, area), textSize, line, drawing.primitives);
    return drawing;
}

draw::Drawing CheckPicture(const SoilProfile& profile, const LengthCurve& curve, double width, double height,
                           double textSize, const draw::TextMeasure& measure, const NumberFormat& format)
{
    if (curve.points.empty()) {
        return ProfilePicture(profile, width, height, textSize, measure);
    }
    draw::Drawing drawing{width, height, {}};
    const double line = measure.lineHeight(textSize);
    const draw::Rect area{line, line, width - line, height - 2.0 * line};
    const double middle = area.left + (area.right - area.left) * kProfileShare;
    DrawLegend({area.left, area.bottom + line / 2.0, area.right, height}, textSize, line, measure, drawing.primitives);
    const auto scale = ScaleFor(std::max(profile.depth, curve.points.back().length), area);
    DrawProfile(profile, {area.left, area.top, middle, area.bottom}, scale, textSize, line, drawing.primitives);
    if (scale) {
        const ChartDrawer chart(curve, {middle + line, area.top, area.right, area.bottom}, *scale, textSize, measure,
                                format);
        chart.draw(profile.pileLength, drawing.primitives);
    }
    return drawing;
}

}  // namespace pali
