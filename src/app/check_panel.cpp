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

CheckPanelTexts PanelTexts(const DesignCheck& check, const LengthCurve& curve, const NumberFormat& format)
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
    texts.shortestNtc2018 =
        std::string(kShortestNtc2018Caption) + ": " + ShortestText(curve.shortestNtc2018, curve, format);
    texts.shortestNtc2008 =
        std::string(kShortestNtc2008Caption) + ": " + ShortestText(curve.shortestNtc2008, curve, format);
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

}  // namespace pali
