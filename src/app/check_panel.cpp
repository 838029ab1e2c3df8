// SPDX-License-Identifier: MIT

#include "app/check_panel.h"

#include <algorithm>
#include <cmath>

#include "app/design_check_texts.h"
#include "app/error_message.h"
#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace pali {

namespace {

std::optional<double> Reading(const FormContents& form, Box box, const NumberFormat& format)
{
    try {
        const double value = LocaleRealOf(form, box, format);
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

}  // namespace

std::string ReadOutName(std::string_view figure, std::string_view of)
{
    return std::string(figure) + " " + std::string(of);
}

CheckPanelTexts PanelTexts(const DesignCheck& check, const NumberFormat& format)
{
    CheckPanelTexts texts;
    texts.factors = check.verticals.factors   ? FactorsText(*check.verticals.factors, format)
                    : check.verticals.problem ? VerticalsProblemText(*check.verticals.problem)
                                              : "ξ3, ξ4: servono le verticali";
    texts.nq = NqText(check.nq, format);
    if (check.nq.value) {
        texts.nqToUse = texts.nq;
    }
    for (std::size_t index = 0; index < check.combinations.size(); ++index) {
        const CombinationCheck& combination = check.combinations[index];
        CheckPanelTexts::Row& row = texts.rows[index];
        row.name = combination.name;
        if (combination.error) {
            row.ed = row.rd = row.ratio = "-";
            row.outcome = ErrorLine(*combination.error);
            continue;
        }
        row.ed = FigureOrDash(combination.ed, format);
        row.rd = FigureOrDash(combination.rd, format);
        row.ratio = FigureOrDash(combination.ratio, format);
        row.outcome = CombinationOutcome(combination);
    }
    texts.approach1 = std::string(kApproach1Name) + ": " + VerdictOrDash(check.approach1Ntc2008);
    texts.approach2 = std::string(kApproach2Name) + ": " + VerdictOrDash(check.approach2Ntc2008Ntc2018);
    texts.warnings = WarningTexts(check, format);
    return texts;
}

SoilProfile ProfileOf(const FormContents& form, const ProjectState& state, const NumberFormat& format)
{
    SoilProfile profile;
    profile.pileLength = Reading(form, Box::B, format);
    if (const auto diameter = Reading(form, Box::A, format)) {
        profile.pileDiameter = *diameter / 100.0;
    }
    const std::int32_t layers = ReadLayerCount(form, format).RowsShown();
    double top = 0.0;
    for (std::int32_t row = 1; row <= layers; ++row) {
        const double thickness = CellReal(state.LUNG[row]);
        if (!(thickness > 0.0) || !std::isfinite(top + thickness)) {
            continue;
        }
        profile.layers.push_back({row, top, top + thickness,
                                  std::to_string(row) + "  φ " + CellText(state.ANG[row], format) + "°  γ " +
                                      CellText(state.PESO[row], format) + "  K " + CellText(state.KLAT[row], format),
                                  TwoDecimals(top + thickness, format) + " m"});
        top += thickness;
    }
    profile.depth = std::max(top, profile.pileLength.value_or(0.0));
    if (profile.pileLength) {
        profile.tipText = "punta " + TwoDecimals(*profile.pileLength, format) + " m";
    }
    return profile;
}

namespace {

constexpr double kLabelGap = 2.0;        // between a text and the line it stands on
constexpr double kLeastPileWidth = 6.0;  // a thin pile still shows
constexpr double kLeastBandHeight = 1.0;

draw::Text Label(draw::Point anchor, std::string text, draw::Across across, draw::Down down, double size,
                 std::optional<draw::Rect> clip = std::nullopt)
{
    return {anchor, std::move(text), across, down, size, false, draw::Colour::Ink, clip};
}

}  // namespace

draw::Drawing ProfilePicture(const SoilProfile& profile, double width, double height, double textSize,
                             const draw::TextMeasure& measure)
{
    draw::Drawing drawing{width, height, {}};
    auto& shapes = drawing.primitives;
    const double line = measure.lineHeight(textSize);
    const draw::Rect area{line, line, width - line, height - line};
    const double pileX = area.left + (area.right - area.left) / 6.0;
    const double labelsLeft = pileX + 2.0 * line;
    shapes.push_back(draw::Polyline{{{area.left, area.top}, {area.right, area.top}}, {}});
    shapes.push_back(Label({area.left, area.top - kLabelGap}, std::string(kGroundCaption), draw::Across::Left,
                           draw::Down::Bottom, textSize));
    if (!(profile.depth > 0.0) || !std::isfinite(profile.depth) || !(area.bottom > area.top)) {
        return drawing;
    }
    const double unitsPerMetre = (area.bottom - area.top) / profile.depth;
    const auto y = [&](double depth) { return area.top + depth * unitsPerMetre; };
    for (const SoilProfile::Layer& layer : profile.layers) {
        const double top = y(layer.top);
        const draw::Rect band{area.left, top, area.right, std::max(top + kLeastBandHeight, y(layer.bottom))};
        shapes.push_back(
            draw::FilledRect{band, layer.number % 2 == 0 ? draw::Colour::SoilEven : draw::Colour::SoilOdd});
        shapes.push_back(draw::FilledRect{{band.left, band.bottom - 1.0, band.right, band.bottom}, draw::Colour::Ink});
        const draw::Rect labels{labelsLeft, band.top, band.right, band.bottom};
        shapes.push_back(Label({labelsLeft, (band.top + band.bottom) / 2.0}, layer.label, draw::Across::Left,
                               draw::Down::Middle, textSize, labels));
        shapes.push_back(Label({band.right - kLabelGap, band.bottom}, layer.depthText, draw::Across::Right,
                               draw::Down::Bottom, textSize, band));
    }
    if (profile.pileLength && *profile.pileLength > 0.0) {
        const double widest = std::max(kLeastPileWidth, (area.right - area.left) / 8.0);
        const double diameter = profile.pileDiameter.value_or(0.0) * unitsPerMetre;
        const double pileWidth = std::clamp(std::isfinite(diameter) ? diameter : widest, kLeastPileWidth, widest);
        const double tip = std::min(y(*profile.pileLength), area.bottom);
        shapes.push_back(
            draw::FilledRect{{pileX - pileWidth / 2.0, area.top, pileX + pileWidth / 2.0, tip}, draw::Colour::Pile});
        shapes.push_back(Label({labelsLeft, tip}, profile.tipText, draw::Across::Left, draw::Down::Bottom, textSize));
    }
    return drawing;
}

}  // namespace pali
